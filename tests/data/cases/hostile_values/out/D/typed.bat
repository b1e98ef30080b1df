@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\clip.avs
@echo Output:D:\v\clip.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --progress --no-psnr --no-ssim --cqmfile "m.cfg&echo pwned>pwned_c2.txt" --scenecut 0 -I -250 -i 0 --no-cabac --me dia --sar 0:0 --threads 2 -r 3 --nr 0 --nf -b 0 --stats "C:\Q\stats\clip.avs.stat" -p 1 --crf 16 -A none --ipratio 1.000000 --pbratio 1.000000 -m 1 --qpmin 10 --qpmax 1 --qpstep 1 --qcomp 0.000000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 100 --vbv-maxrate 0 -o "D:\v\clip.mp4" "D:\v\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
mensura.exe 90 110 "D:\v\clip.mp4"
if errorlevel 1 x264.exe --progress --no-psnr --no-ssim --cqmfile "m.cfg&echo pwned>pwned_c2.txt" --scenecut 0 -I -250 -i 0 --no-cabac --me dia --sar 0:0 --threads 2 -r 3 --nr 0 --nf -b 0 -p 3 --stats "C:\Q\stats\clip.avs.stat" -B 0 --qpmin 10 --qpmax 1 --qpstep 1 --qcomp 0.000000 --ipratio 1.000000 --pbratio 1.000000 -A none -m 1 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 100 --vbv-maxrate 0 -o "D:\v\clip.mp4" "D:\v\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
bepipe.exe --script "import(^D:\v\clip.avs^)" | neroaacenc.exe -if - -of "D:\v\clip.audio.mp4" -ignorelength -q 0.4
mkvmerge -o "D:\v\clip.mkv" "D:\v\clip.mp4" "D:\v\clip.audio.mp4"
if not errorlevel 1 del "D:\v\clip.audio.mp4"
if not errorlevel 2 if exist "D:\v\clip.mkv" del "D:\v\clip.mp4"
@echo Input:D:\v\ok.avs
@echo Output:D:\v\ok.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --progress --no-psnr --no-ssim --cqmfile "m.cfg&echo pwned>pwned_c2.txt" --scenecut 0 -I -250 -i 0 --no-cabac --me dia --sar 0:0 --threads 2 -r 3 --nr 0 --nf -b 0 -q 51 --qpmin 10 --qpmax 1 -A none -m 1 -o "D:\v\ok.mp4" "D:\v\ok.avs"
bepipe.exe --script "import(^D:\v\ok.avs^)" | neroaacenc.exe -if - -of "D:\v\ok.audio.mp4" -ignorelength -q 0.4
mkvmerge -o "D:\v\ok.mkv" "D:\v\ok.mp4" "D:\v\ok.audio.mp4"
if not errorlevel 1 del "D:\v\ok.audio.mp4"
if not errorlevel 2 if exist "D:\v\ok.mkv" del "D:\v\ok.mp4"
@echo Input:D:\v\typed.avs
@echo Output:D:\v\typed.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --progress --no-psnr --no-ssim --cqmfile "C:\R&D\m%%1.cfg" --scenecut 0 -I -250 -i 0 --no-cabac --me dia --sar 0:0 --threads 2 -r 3 --nr 0 --nf -b 0 -B 0 --ipratio 1.000000 --pbratio 1.000000 -A none -B 0 --qpmin 10 --qpmax 1 --qpstep 1 --qcomp 0.000000 -m 1 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 100 --vbv-maxrate 0 -o "D:\v\typed.mp4" "D:\v\typed.avs"
bepipe.exe --script "import(^D:\v\typed.avs^)" | neroaacenc.exe -if - -of "D:\v\typed.audio.mp4" -ignorelength -q 0.4
mkvmerge -o "D:\v\typed.mkv" "D:\v\typed.mp4" "D:\v\typed.audio.mp4"
if not errorlevel 1 del "D:\v\typed.audio.mp4"
if not errorlevel 2 if exist "D:\v\typed.mkv" del "D:\v\typed.mp4"
