@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\clip.avs
@echo Output:D:\v\clip.mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --cqm flat --scenecut 0 -I 0 -i 0 --no-cabac -t 0 --me dia --sar 0:0 --threads auto -r 0 --nr 0 --no-deblock -b 0 -B 2000 --ipratio 1.000000 --pbratio 1.000000 --no-8x8dct -A none -B 2000 --qpmin 1 --qpmax 1 --qpstep 1 --qcomp 0.000000 -m 1 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\clip.mp4" "D:\v\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
bepipe.exe --script "import(^D:\v\clip.avs^)" | neroaacenc.exe -if - -of "D:\v\clip.audio.mp4" -ignorelength -br 128000
mkvmerge -o "D:\v\clip.mkv" "D:\v\clip.mp4" "D:\v\clip.audio.mp4"
if not errorlevel 1 del "D:\v\clip.audio.mp4"
if not errorlevel 2 if exist "D:\v\clip.mkv" del "D:\v\clip.mp4"
@echo Input:C:\Q\avs\movie.mkv.avs
@echo Output:D:\v\movie (2).mp4
@echo Encode Mode:Single Pass - Bitrate
x264.exe --cqm flat --scenecut 0 -I 0 -i 0 --no-cabac -t 0 --me dia --sar 0:0 --threads auto -r 0 --nr 0 --no-deblock -b 0 -B 2000 --ipratio 1.000000 --pbratio 1.000000 --no-8x8dct -A none -B 2000 --qpmin 1 --qpmax 1 --qpstep 1 --qcomp 0.000000 -m 1 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\movie (2).mp4" "C:\Q\avs\movie.mkv.avs" 2>&1|teelog.exe "C:\Q\log\movie.mkv.txt"
bepipe.exe --script "import(^C:\Q\avs\movie.mkv.avs^)" | neroaacenc.exe -if - -of "D:\v\movie (2).audio.mp4" -ignorelength -br 128000
mkvmerge -o "D:\v\movie (2).mkv" "D:\v\movie (2).mp4" "D:\v\movie (2).audio.mp4"
if not errorlevel 1 del "D:\v\movie (2).audio.mp4"
if not errorlevel 2 if exist "D:\v\movie (2).mkv" del "D:\v\movie (2).mp4"
shutdown.exe -s -f -t 30
@endlocal
