@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\a\s.avs
@echo Output:D:\out\s.mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_998d0a26)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\s.mp4" "D:\a\s.avs" 2>&1|teelog.exe "C:\Q\log\s.avs.txt"
:job_end_998d0a26
@echo Input:D:/b/../a/./S.AVS
@echo Output:D:\out\S (2).mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_da8834ef)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\S (2).mp4" "D:/b/../a/./S.AVS" 2>&1|teelog.exe "C:\Q\log\S (2).AVS.txt"
:job_end_da8834ef
@endlocal
