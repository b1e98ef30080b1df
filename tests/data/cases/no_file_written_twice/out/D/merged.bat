@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:C:\Q\avs\y.avi.avs
@echo Output:D:\v\y (2).mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\y (2).mp4" "C:\Q\avs\y.avi.avs" 2>&1|teelog.exe "C:\Q\log\y.avi.txt"
bepipe.exe --script "import(^C:\Q\avs\y.avi.avs^)" | neroaacenc.exe -if - -of "D:\v\y (2).audio.mp4" -ignorelength -cbr 64000
mkvmerge -o "D:\v\y (2).mkv" "D:\v\y (2).mp4" "D:\v\y (2).audio.mp4"
if not errorlevel 1 del "D:\v\y (2).audio.mp4"
if not errorlevel 2 if exist "D:\v\y (2).mkv" del "D:\v\y (2).mp4"
@echo Input:C:\Q\avs\y.mkv.avs
@echo Output:D:\v\y (3).mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\y (3).mp4" "C:\Q\avs\y.mkv.avs" 2>&1|teelog.exe "C:\Q\log\y.mkv.txt"
bepipe.exe --script "import(^C:\Q\avs\y.mkv.avs^)" | neroaacenc.exe -if - -of "D:\v\y (3).audio.mp4" -ignorelength -cbr 64000
mkvmerge -o "D:\v\y (3).mkv" "D:\v\y (3).mp4" "D:\v\y (3).audio.mp4"
if not errorlevel 1 del "D:\v\y (3).audio.mp4"
if not errorlevel 2 if exist "D:\v\y (3).mkv" del "D:\v\y (3).mp4"
@endlocal
