@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\b.avs
@echo Output:D:\v\b.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v\b.mp4" "D:\v\b.avs" 2>&1|teelog.exe "C:\Q\log\b.avs.txt"
@endlocal
