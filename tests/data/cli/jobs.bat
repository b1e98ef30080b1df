@setlocal DisableDelayedExpansion
@cd /d "<P>"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:<P>avs\clip.mkv.avs
@echo Output:D:\v\clip.mp4
@echo Encode Mode:Automated Double Passes
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "<P>stats\clip.mkv.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "<P>avs\clip.mkv.avs" 2>&1|teelog.exe "<P>log\clip.mkv.txt"
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 3 --stats "<P>stats\clip.mkv.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\clip.mp4" "<P>avs\clip.mkv.avs" 2>&1|teelog.exe "<P>log\clip.mkv.txt"
@endlocal
