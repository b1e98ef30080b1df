@setlocal DisableDelayedExpansion
@rem quorvelan job 2 (jobs.tsv lists them)
@set "PATH=C:\Q\;C:\Q\tools;%PATH%"
@echo Input:D:\v\two.avs
@echo Output:E:\new out\50%% a^&b (1)\two.mp4
@echo Encode Mode:Automated Double Passes
@if not exist "E:\new out\50%% a&b (1)\" md "E:\new out\50%% a&b (1)"
@if not exist "E:\new out\50%% a&b (1)\" (echo The folder "E:\new out\50%% a&b (1)" cannot be made: the job is skipped.&goto job_end_322a969b)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats "C:\Q\stats\two.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\two.avs" 2>&1|teelog.exe "C:\Q\log\two.avs.txt"
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "C:\Q\stats\two.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "E:\new out\50%% a&b (1)\two.mp4" "D:\v\two.avs" 2>&1|teelog.exe "C:\Q\log\two.avs.txt"
:job_end_322a969b
@if exist "E:\new out\50%% a&b (1)\two.mp4" (set "quorvelan_exit=0") else set "quorvelan_exit=1"
@exit /b %quorvelan_exit%
