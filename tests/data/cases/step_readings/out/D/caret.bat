@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\b^^+Import(^^evil.avs^^)+^^.avs
@echo Output:D:\v\b^^+Import(^^evil.avs^^)+^^.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\b^+Import(^evil.avs^)+^.mp4" "D:\v\b^+Import(^evil.avs^)+^.avs" 2>&1|teelog.exe "C:\Q\log\b^+Import(^evil.avs^)+^.avs.txt"
ffmpeg -hide_banner -y -i "D:\v\b^+Import(^evil.avs^)+^.avs" -vn -c:a aac -b:a 64k "D:\v\b^+Import(^evil.avs^)+^.audio.m4a"
mp4box.exe -add "D:\v\b^+Import(^evil.avs^)+^.audio.m4a" "D:\v\b^+Import(^evil.avs^)+^.mp4"
if not errorlevel 1 del "D:\v\b^+Import(^evil.avs^)+^.audio.m4a"
@endlocal
