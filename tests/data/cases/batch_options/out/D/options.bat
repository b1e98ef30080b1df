@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\defaults.avs
@echo Output:D:\v\defaults.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -B 1500 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -B 1500 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\defaults.mp4" "D:\v\defaults.avs" 2>&1|teelog.exe "C:\Q\log\defaults.avs.txt"
@echo Input:D:\v\changed.avs
@echo Output:D:\v\changed.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqm jvt --no-fast-pskip --no-dct-decimate --thread-input --mixed-refs --scenecut 40 -I 250 -i 25 --no-cabac --me dia --sar 16:9 --threads auto -r 3 --nr 100 --nf -b 3 --direct "auto" --bime --no-b-adapt --b-bias -20 --b-pyramid -B 1500 --ipratio 1.000000 --pbratio 1.050000 -A p8x8 -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 -m 6 --b-rdo --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\changed.mp4" "D:\v\changed.avs" 2>&1|teelog.exe "C:\Q\log\changed.avs.txt"
@echo Input:D:\v\more.avs
@echo Output:D:\v\more.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqmfile "JVT" --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me umh --merange 32 --sar 16:9 --threads 04 -r 1 --nr 100 -f -3:2 -b 1 --direct "spatial" --bime --no-b-adapt --b-bias -20 --b-pyramid -B 1500 --ipratio 1.000000 --pbratio 1.050000 -A none -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 -m 7 --b-rdo --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\more.mp4" "D:\v\more.avs" 2>&1|teelog.exe "C:\Q\log\more.avs.txt"
@echo Input:D:\v\none.avs
@echo Output:D:\v\none.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -B 1500 --ipratio 1.000000 --pbratio 1.050000 --8x8dct -A none -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 -m 6 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\none.mp4" "D:\v\none.avs" 2>&1|teelog.exe "C:\Q\log\none.avs.txt"
@echo Input:D:\v\partitions.avs
@echo Output:D:\v\partitions.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -B 1500 --ipratio 1.000000 --pbratio 1.050000 --8x8dct -A p8x8,p4x4,i4x4 -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 -m 3 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\partitions.mp4" "D:\v\partitions.avs" 2>&1|teelog.exe "C:\Q\log\partitions.avs.txt"
@echo Input:D:\v\fast2.avs
@echo Output:D:\v\fast2.mp4
@echo Encode Mode:Mutipass - First Pass(fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 1 --stats "C:\Q\stats\fast2.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --ipratio 1.000000 --pbratio 1.050000 -A p8x8,i4x4 -m 3 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o nul "D:\v\fast2.avs" 2>&1|teelog.exe "C:\Q\log\fast2.avs.txt"
@echo Input:D:\v\fast0.avs
@echo Output:D:\v\fast0.mp4
@echo Encode Mode:Mutipass - First Pass(fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 1 --stats "C:\Q\stats\fast0.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --ipratio 1.000000 --pbratio 1.050000 -A none -m 1 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o nul "D:\v\fast0.avs" 2>&1|teelog.exe "C:\Q\log\fast0.avs.txt"
@echo Input:D:\v\fast3.avs
@echo Output:D:\v\fast3.mp4
@echo Encode Mode:Mutipass - First Pass(fast)
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 1 --stats "C:\Q\stats\fast3.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --ipratio 1.000000 --pbratio 1.050000 -A none -m 3 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o nul "D:\v\fast3.avs" 2>&1|teelog.exe "C:\Q\log\fast3.avs.txt"
@echo Input:D:\v\nochroma.avs
@echo Output:D:\v\nochroma.mp4
@echo Encode Mode:Mutipass - Nth pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 3 --stats "C:\Q\stats\nochroma.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 --ipratio 1.000000 --pbratio 1.050000 --no-chroma-me --8x8dct -A none -m 7 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\nochroma.mp4" "D:\v\nochroma.avs" 2>&1|teelog.exe "C:\Q\log\nochroma.avs.txt"
@echo Input:D:\v\chroma3.avs
@echo Output:D:\v\chroma3.mp4
@echo Encode Mode:Mutipass - Nth pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 3 --stats "C:\Q\stats\chroma3.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 --ipratio 1.000000 --pbratio 1.050000 --8x8dct -A none -m 4 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\chroma3.mp4" "D:\v\chroma3.avs" 2>&1|teelog.exe "C:\Q\log\chroma3.avs.txt"
@echo Input:D:\v\unbalanced.avs
@echo Output:D:\v\unbalanced.mp4
@echo Encode Mode:Mutipass - Nth pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 3 --stats "C:\Q\stats\unbalanced.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 --ipratio 1.000000 --pbratio 1.050000 --8x8dct -A none -m 4 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\unbalanced.mp4" "D:\v\unbalanced.avs" 2>&1|teelog.exe "C:\Q\log\unbalanced.avs.txt"
@echo Input:D:\v\unbalanced2.avs
@echo Output:D:\v\unbalanced2.mp4
@echo Encode Mode:Mutipass - Nth pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --no-fast-pskip --no-dct-decimate --thread-input --scenecut 40 -I 250 -i 25 -t 1 --me esa --merange 32 --sar 16:9 --threads auto -r 1 --nr 100 -f -3:2 -b 0 -p 3 --stats "C:\Q\stats\unbalanced2.avs.stat" -B 1500 --qpmin 12 --qpmax 40 --qpstep 3 --qcomp 1.000000 --ipratio 1.000000 --pbratio 1.050000 --8x8dct -A none -m 4 --ratetol 10.000000 --vbv-init 0.5 --vbv-bufsize 2000 --vbv-maxrate 4000 -o "D:\v\unbalanced2.mp4" "D:\v\unbalanced2.avs" 2>&1|teelog.exe "C:\Q\log\unbalanced2.avs.txt"
@endlocal
