@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\a.avs
@echo Output:D:\v\a.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\a.mp4" "D:\v\a.avs" 2>&1|teelog.exe "C:\Q\log\a.avs.txt"
@echo Input:C:\Q\avs\clip.avi.avs
@echo Output:C:\W\clip.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "C:\W\clip.mp4" "C:\Q\avs\clip.avi.avs" 2>&1|teelog.exe "C:\Q\log\clip.avi.txt"
@echo Input:C:\Q\avs\x y.mkv.avs
@echo Output:D:\d1\x y.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\d1\x y.mp4" "C:\Q\avs\x y.mkv.avs" 2>&1|teelog.exe "C:\Q\log\x y.mkv.txt"
@echo Input:C:\Q\avs\x y (2).mkv.avs
@echo Output:D:\d2\x y.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\d2\x y.mp4" "C:\Q\avs\x y (2).mkv.avs" 2>&1|teelog.exe "C:\Q\log\x y (2).mkv.txt"
@endlocal
