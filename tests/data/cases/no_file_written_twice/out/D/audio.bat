@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:C:\Q\avs\z.avi.avs
@echo Output:D:\v\z (2).mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\z (2).mp4" "C:\Q\avs\z.avi.avs" 2>&1|teelog.exe "C:\Q\log\z.avi.txt"
ffmpeg -hide_banner -y -i "C:\Q\avs\z.avi.avs" -vn -c:a aac -b:a 64k "D:\v\z (2).audio.m4a"
mp4box.exe -add "D:\v\z (2).audio.m4a" "D:\v\z (2).mp4"
if not errorlevel 1 del "D:\v\z (2).audio.m4a"
@echo Input:C:\Q\avs\z.audio.m4a.avs
@echo Output:D:\v\z.audio.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\z.audio.mp4" "C:\Q\avs\z.audio.m4a.avs" 2>&1|teelog.exe "C:\Q\log\z.audio.m4a.txt"
ffmpeg -hide_banner -y -i "C:\Q\avs\z.audio.m4a.avs" -vn -c:a aac -b:a 64k "D:\v\z.audio.audio.m4a"
mp4box.exe -add "D:\v\z.audio.audio.m4a" "D:\v\z.audio.mp4"
if not errorlevel 1 del "D:\v\z.audio.audio.m4a"
@endlocal
