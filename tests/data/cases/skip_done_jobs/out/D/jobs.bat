@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v (1)\clip.avs
@echo Output:D:\v (1)\clip.mp4
@echo Encode Mode:Single Pass - Quantizer
@if not exist "D:\v (1)\" md "D:\v (1)"
@if not exist "D:\v (1)\" (echo The folder "D:\v (1)" cannot be made: the job is skipped.&goto job_end_27ea1d2a)
@if not exist "D:\v (1)\clip.mp4" type nul >"D:\v (1)\clip.mp4.unfinished"
@if exist "D:\v (1)\clip.mp4.unfinished" (
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o "D:\v (1)\clip.mp4" "D:\v (1)\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
@del "D:\v (1)\clip.mp4.unfinished"
)
:job_end_27ea1d2a
@echo Input:D:\v\100%% a^&b.avs
@echo Output:D:\v\100%% a^&b.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
@if not exist "D:\v\" md "D:\v"
@if not exist "D:\v\" (echo The folder "D:\v" cannot be made: the job is skipped.&goto job_end_1cc2dabb)
@if not exist "D:\v\100%% a&b.mkv" type nul >"D:\v\100%% a&b.mkv.unfinished"
@if exist "D:\v\100%% a&b.mkv.unfinished" (
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --stats "C:\Q\stats\100%% a&b.avs.stat" -p 1 --slow-firstpass --crf 16 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\100%% a&b.mp4" "D:\v\100%% a&b.avs" 2>&1|teelog.exe "C:\Q\log\100%% a&b.avs.txt"
mensura.exe 90 110 "D:\v\100%% a&b.mp4"
if errorlevel 1 x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "C:\Q\stats\100%% a&b.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\100%% a&b.mp4" "D:\v\100%% a&b.avs" 2>&1|teelog.exe "C:\Q\log\100%% a&b.avs.txt"
bepipe.exe --script "import(^D:\v\100%% a&b.avs^)" | neroaacenc.exe -if - -of "D:\v\100%% a&b.audio.mp4" -ignorelength -cbr 64000
mkvmerge -o "D:\v\100%% a&b.mkv" "D:\v\100%% a&b.mp4" "D:\v\100%% a&b.audio.mp4"
if not errorlevel 1 del "D:\v\100%% a&b.audio.mp4"
if not errorlevel 2 if exist "D:\v\100%% a&b.mkv" del "D:\v\100%% a&b.mp4"
@del "D:\v\100%% a&b.mkv.unfinished"
)
:job_end_1cc2dabb
@echo Input:D:\v\first.avs
@echo Output:D:\v\first.mp4
@echo Encode Mode:Mutipass - First Pass
@if not exist "D:\v\" md "D:\v"
@if not exist "D:\v\" (echo The folder "D:\v" cannot be made: the job is skipped.&goto job_end_71fd53b6)
@if not exist "C:\Q\stats\first.avs.stat" type nul >"C:\Q\stats\first.avs.stat.unfinished"
@if exist "C:\Q\stats\first.avs.stat.unfinished" (
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats "C:\Q\stats\first.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\first.avs" 2>&1|teelog.exe "C:\Q\log\first.avs.txt"
@del "C:\Q\stats\first.avs.stat.unfinished"
)
:job_end_71fd53b6
@endlocal
