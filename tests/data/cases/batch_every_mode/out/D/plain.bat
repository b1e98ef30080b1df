@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\m0.avs
@echo Output:D:\v\m0.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -q 51 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\m0.mp4" "D:\v\m0.avs" 2>&1|teelog.exe "C:\Q\log\m0.avs.txt"
@echo Input:D:\v\m1.avs
@echo Output:D:\v\m1.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -q 51 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\m1.mp4" "D:\v\m1.avs" 2>&1|teelog.exe "C:\Q\log\m1.avs.txt"
@echo Input:D:\v\m2.avs
@echo Output:D:\v\m2.mp4
@echo Encode Mode:Single Pass - CRF
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --crf 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m2.mp4" "D:\v\m2.avs" 2>&1|teelog.exe "C:\Q\log\m2.avs.txt"
@echo Input:D:\v\m3.avs
@echo Output:D:\v\m3.mp4
@echo Encode Mode:Mutipass - First Pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\m3.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m3.avs" 2>&1|teelog.exe "C:\Q\log\m3.avs.txt"
@echo Input:D:\v\m4.avs
@echo Output:D:\v\m4.mp4
@echo Encode Mode:Mutipass - First Pass(fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\m4.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --ipratio 1.400000 --pbratio 1.300000 -A p8x8,i4x4 -m 3 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m4.avs" 2>&1|teelog.exe "C:\Q\log\m4.avs.txt"
@echo Input:D:\v\m5.avs
@echo Output:D:\v\m5.mp4
@echo Encode Mode:Mutipass - Nth pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\m5.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m5.mp4" "D:\v\m5.avs" 2>&1|teelog.exe "C:\Q\log\m5.avs.txt"
@echo Input:D:\v\m5b.avs
@echo Output:D:\v\m5b.mp4
@echo Encode Mode:Mutipass - Nth pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 2 --stats "C:\Q\stats\m5b.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m5b.mp4" "D:\v\m5b.avs" 2>&1|teelog.exe "C:\Q\log\m5b.avs.txt"
@echo Input:D:\v\m6.avs
@echo Output:D:\v\m6.mp4
@echo Encode Mode:Automated Double Passes
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\m6.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m6.avs" 2>&1|teelog.exe "C:\Q\log\m6.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\m6.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m6.mp4" "D:\v\m6.avs" 2>&1|teelog.exe "C:\Q\log\m6.avs.txt"
@echo Input:D:\v\m7.avs
@echo Output:D:\v\m7.mp4
@echo Encode Mode:Automated Double Passes(fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\m7.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --ipratio 1.400000 --pbratio 1.300000 -A p8x8,i4x4 -m 3 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m7.avs" 2>&1|teelog.exe "C:\Q\log\m7.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\m7.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m7.mp4" "D:\v\m7.avs" 2>&1|teelog.exe "C:\Q\log\m7.avs.txt"
@echo Input:D:\v\m8.avs
@echo Output:D:\v\m8.mp4
@echo Encode Mode:Mutipass - First Pass(CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\m8.avs.stat" -p 1 --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m8.avs" 2>&1|teelog.exe "C:\Q\log\m8.avs.txt"
@echo Input:D:\v\m9.avs
@echo Output:D:\v\m9.mp4
@echo Encode Mode:Mutipass - First Pass(CRF-fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\m9.avs.stat" -p 1 --crf 26 -A p8x8,i4x4 -m 3 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m9.avs" 2>&1|teelog.exe "C:\Q\log\m9.avs.txt"
@echo Input:D:\v\m10.avs
@echo Output:D:\v\m10.mp4
@echo Encode Mode:Automated Double Passes(1P-CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\m10.avs.stat" -p 1 --crf 18 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m10.avs" 2>&1|teelog.exe "C:\Q\log\m10.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\m10.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m10.mp4" "D:\v\m10.avs" 2>&1|teelog.exe "C:\Q\log\m10.avs.txt"
@echo Input:D:\v\m11.avs
@echo Output:D:\v\m11.mp4
@echo Encode Mode:Automated Double Passes(1P-CRF-fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\m11.avs.stat" -p 1 --crf 18 -A p8x8,i4x4 -m 3 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\m11.avs" 2>&1|teelog.exe "C:\Q\log\m11.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\m11.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m11.mp4" "D:\v\m11.avs" 2>&1|teelog.exe "C:\Q\log\m11.avs.txt"
@echo Input:D:\v\m12.avs
@echo Output:D:\v\m12.mp4
@echo Encode Mode:Mutipass - First Pass(CRF with output)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\m12.avs.stat" -p 1 --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m12.mp4" "D:\v\m12.avs" 2>&1|teelog.exe "C:\Q\log\m12.avs.txt"
@echo Input:D:\v\m13.avs
@echo Output:D:\v\m13.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\m13.avs.stat" -p 1 --crf 18 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m13.mp4" "D:\v\m13.avs" 2>&1|teelog.exe "C:\Q\log\m13.avs.txt"
mensura.exe 50 70 "D:\v\m13.mp4"
if errorlevel 1 x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\m13.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\m13.mp4" "D:\v\m13.avs" 2>&1|teelog.exe "C:\Q\log\m13.avs.txt"
@echo Input:D:\v\nolog.avs
@echo Output:D:\v\nolog.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\nolog.avs.stat" -p 1 --crf 18 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\nolog.mp4" "D:\v\nolog.avs"
mensura.exe 50 70 "D:\v\nolog.mp4"
if errorlevel 1 x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\nolog.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\nolog.mp4" "D:\v\nolog.avs"
@endlocal
