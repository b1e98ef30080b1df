@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\a0.avs
@echo Output:D:\v\a0.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -B 1000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a0.mp4" "D:\v\a0.avs" 2>&1|teelog.exe "C:\Q\log\a0.avs.txt"
bepipe.exe --script "import(^D:\v\a0.avs^)" | enc_aacplus.exe - "D:\v\a0.audio.aac" --cbr 96000
mp4box.exe -add "D:\v\a0.audio.aac" "D:\v\a0.mp4"
if not errorlevel 1 del "D:\v\a0.audio.aac"
@echo Input:D:\v\a1.avs
@echo Output:D:\v\a1.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\a1.mp4" "D:\v\a1.avs" 2>&1|teelog.exe "C:\Q\log\a1.avs.txt"
bepipe.exe --script "import(^D:\v\a1.avs^)" | neroaacenc.exe -if - -of "D:\v\a1.audio.mp4" -ignorelength -cbr 96000
mp4creator.exe -create="D:\v\a1.audio.mp4" "D:\v\a1.mp4"
if not errorlevel 1 del "D:\v\a1.audio.mp4"
@echo Input:D:\v\a2.avs
@echo Output:D:\v\a2.mp4
@echo Encode Mode:Single Pass - CRF
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a2.mp4" "D:\v\a2.avs" 2>&1|teelog.exe "C:\Q\log\a2.avs.txt"
bepipe.exe --script "import(^D:\v\a2.avs^)" | neroaacenc_sse2.exe -if - -of "D:\v\a2.audio.mp4" -ignorelength -cbr 96000
mkvmerge -o "D:\v\a2.mkv" "D:\v\a2.mp4" "D:\v\a2.audio.mp4"
if not errorlevel 1 del "D:\v\a2.audio.mp4"
if not errorlevel 2 if exist "D:\v\a2.mkv" del "D:\v\a2.mp4"
@echo Input:D:\v\a3.avs
@echo Output:D:\v\a3.mp4
@echo Encode Mode:Mutipass - First Pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\a3.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\a3.avs" 2>&1|teelog.exe "C:\Q\log\a3.avs.txt"
@echo Input:D:\v\a5.avs
@echo Output:D:\v\a5.mp4
@echo Encode Mode:Mutipass - Nth pass
bepipe.exe --script "import(^D:\v\a5.avs^)" | neroaacenc_sse2.exe -if - -of "D:\v\a5.audio.mp4" -ignorelength -br 96000
@echo Input:D:\v\a6.avs
@echo Output:D:\v\a6.mp4
@echo Encode Mode:Automated Double Passes
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\a6.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\a6.avs" 2>&1|teelog.exe "C:\Q\log\a6.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\a6.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a6.mp4" "D:\v\a6.avs" 2>&1|teelog.exe "C:\Q\log\a6.avs.txt"
bepipe.exe --script "import(^D:\v\a6.avs^)" | neroaacenc.exe -if - -of "D:\v\a6.audio.mp4" -ignorelength -q 0.4
mp4box.exe -add "D:\v\a6.audio.mp4" "D:\v\a6.mp4"
if not errorlevel 1 del "D:\v\a6.audio.mp4"
@echo Input:D:\v\a7.avs
@echo Output:D:\v\a7.mp4
@echo Encode Mode:Automated Double Passes(fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\a7.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --ipratio 1.400000 --pbratio 1.300000 -A p8x8,i4x4 -m 3 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\a7.avs" 2>&1|teelog.exe "C:\Q\log\a7.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\a7.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a7.mp4" "D:\v\a7.avs" 2>&1|teelog.exe "C:\Q\log\a7.avs.txt"
bepipe.exe --script "import(^D:\v\a7.avs^)" | neroaacenc_sse2.exe -if - -of "D:\v\a7.audio.mp4" -ignorelength -q 0.4
mp4creator.exe -create="D:\v\a7.audio.mp4" "D:\v\a7.mp4"
if not errorlevel 1 del "D:\v\a7.audio.mp4"
@echo Input:C:\Q\avs\a10.mkv.avs
@echo Output:D:\v\a10 (2).mp4
@echo Encode Mode:Automated Double Passes(1P-CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\a10.mkv.stat" -p 1 --crf 18 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "C:\Q\avs\a10.mkv.avs" 2>&1|teelog.exe "C:\Q\log\a10.mkv.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\a10.mkv.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a10 (2).mp4" "C:\Q\avs\a10.mkv.avs" 2>&1|teelog.exe "C:\Q\log\a10.mkv.txt"
bepipe.exe --script "import(^C:\Q\avs\a10.mkv.avs^)" | neroaacenc.exe -if - -of "D:\v\a10 (2).audio.mp4" -ignorelength -br 0
mkvmerge -o "D:\v\a10 (2).mkv" "D:\v\a10 (2).mp4" "D:\v\a10 (2).audio.mp4"
if not errorlevel 1 del "D:\v\a10 (2).audio.mp4"
if not errorlevel 2 if exist "D:\v\a10 (2).mkv" del "D:\v\a10 (2).mp4"
@echo Input:D:\v\a11.avs
@echo Output:D:\v\a11.mp4
@echo Encode Mode:Automated Double Passes(1P-CRF-fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\a11.avs.stat" -p 1 --crf 18 -A p8x8,i4x4 -m 3 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\a11.avs" 2>&1|teelog.exe "C:\Q\log\a11.avs.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\a11.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a11.mp4" "D:\v\a11.avs" 2>&1|teelog.exe "C:\Q\log\a11.avs.txt"
bepipe.exe --script "import(^D:\v\a11.avs^)" | neroaacenc.exe -if - -of "D:\v\a11.audio.mp4" -ignorelength -cbr 0
@echo Input:C:\Q\avs\a12.avs
@echo Output:D:\v\a12.mp4
@echo Encode Mode:Mutipass - First Pass(CRF with output)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\a12.stat" -p 1 --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a12.mp4" "C:\Q\avs\a12.avs" 2>&1|teelog.exe "C:\Q\log\a12.txt"
bepipe.exe --script "import(^C:\Q\avs\a12.avs^)" | neroaacenc_sse2.exe -if - -of "D:\v\a12.audio.mp4" -ignorelength -cbr 0
mkvmerge -o "D:\v\a12.mkv" "D:\v\a12.mp4" "D:\v\a12.audio.mp4"
if not errorlevel 1 del "D:\v\a12.audio.mp4"
if not errorlevel 2 if exist "D:\v\a12.mkv" del "D:\v\a12.mp4"
@echo Input:D:\v\a13.avs
@echo Output:D:\v\a13.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\a13.avs.stat" -p 1 --crf 18 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a13.mp4" "D:\v\a13.avs" 2>&1|teelog.exe "C:\Q\log\a13.avs.txt"
mensura.exe 50 70 "D:\v\a13.mp4"
if errorlevel 1 x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "C:\Q\stats\a13.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\a13.mp4" "D:\v\a13.avs" 2>&1|teelog.exe "C:\Q\log\a13.avs.txt"
bepipe.exe --script "import(^D:\v\a13.avs^)" | enc_aacplus.exe - "D:\v\a13.audio.aac" --cbr 0
mkvmerge -o "D:\v\a13.mkv" "D:\v\a13.mp4" "D:\v\a13.audio.aac"
if not errorlevel 1 del "D:\v\a13.audio.aac"
if not errorlevel 2 if exist "D:\v\a13.mkv" del "D:\v\a13.mp4"
@echo Input:D:\v\a8.avs
@echo Output:D:\v\a8.mp4
@echo Encode Mode:Mutipass - First Pass(CRF)
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w --stats "C:\Q\stats\a8.avs.stat" -p 1 --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\a8.avs" 2>&1|teelog.exe "C:\Q\log\a8.avs.txt"
@echo Input:D:\v\a9.avs
@echo Output:D:\v\a9.mp4
@echo Encode Mode:Mutipass - First Pass(CRF-fast)
bepipe.exe --script "import(^D:\v\a9.avs^)" | enc_aacplus.exe - "D:\v\a9.audio.aac" --cbr 0
shutdown.exe -s -f -t 30
@endlocal
