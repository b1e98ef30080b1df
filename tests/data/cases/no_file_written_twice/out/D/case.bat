@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@for /f "tokens=*" %%a in ('chcp') do @for %%b in (%%a) do @set "quorvelan_cp=%%~nb"
@chcp 65001 >nul
@echo Input:C:\Q\avs\ǎ.avi.avs
@echo Output:D:\out\ǎ.mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_ea8ebdac)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\ǎ.mp4" "C:\Q\avs\ǎ.avi.avs" 2>&1|teelog.exe "C:\Q\log\ǎ.avi.txt"
:job_end_ea8ebdac
@echo Input:C:\Q\avs\Ǎ (2).avi.avs
@echo Output:D:\out\Ǎ (2).mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_f3bc4190)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\Ǎ (2).mp4" "C:\Q\avs\Ǎ (2).avi.avs" 2>&1|teelog.exe "C:\Q\log\Ǎ (2).avi.txt"
:job_end_f3bc4190
@echo Input:C:\Q\avs\ⅰ.avi.avs
@echo Output:D:\out\ⅰ.mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_81c1c3fe)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\ⅰ.mp4" "C:\Q\avs\ⅰ.avi.avs" 2>&1|teelog.exe "C:\Q\log\ⅰ.avi.txt"
:job_end_81c1c3fe
@echo Input:C:\Q\avs\Ⅰ (2).avi.avs
@echo Output:D:\out\Ⅰ (2).mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_32b6cc69)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\Ⅰ (2).mp4" "C:\Q\avs\Ⅰ (2).avi.avs" 2>&1|teelog.exe "C:\Q\log\Ⅰ (2).avi.txt"
:job_end_32b6cc69
@echo Input:C:\Q\avs\ⓐ.avi.avs
@echo Output:D:\out\ⓐ.mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_a0194afc)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\ⓐ.mp4" "C:\Q\avs\ⓐ.avi.avs" 2>&1|teelog.exe "C:\Q\log\ⓐ.avi.txt"
:job_end_a0194afc
@echo Input:C:\Q\avs\Ⓐ (2).avi.avs
@echo Output:D:\out\Ⓐ (2).mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_0086bf62)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\Ⓐ (2).mp4" "C:\Q\avs\Ⓐ (2).avi.avs" 2>&1|teelog.exe "C:\Q\log\Ⓐ (2).avi.txt"
:job_end_0086bf62
@echo Input:C:\Q\avs\ἀ.avi.avs
@echo Output:D:\out\ἀ.mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_a70ffc92)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\ἀ.mp4" "C:\Q\avs\ἀ.avi.avs" 2>&1|teelog.exe "C:\Q\log\ἀ.avi.txt"
:job_end_a70ffc92
@echo Input:C:\Q\avs\Ἀ (2).avi.avs
@echo Output:D:\out\Ἀ (2).mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\out\" md "D:\out"
@if not exist "D:\out\" (echo The folder "D:\out" cannot be made: the job is skipped.&goto job_end_8b708ca5)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\out\Ἀ (2).mp4" "C:\Q\avs\Ἀ (2).avi.avs" 2>&1|teelog.exe "C:\Q\log\Ἀ (2).avi.txt"
:job_end_8b708ca5
@chcp %quorvelan_cp% >nul
@endlocal
