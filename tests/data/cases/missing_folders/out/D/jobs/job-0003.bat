@setlocal DisableDelayedExpansion
@rem quorvelan job 3 (jobs.tsv lists them)
@set "PATH=C:\Q\;C:\Q\tools;%PATH%"
@echo Input:D:\v\here.avs
@echo Output:done\here.mp4
@echo Encode Mode:Single Pass - CRF
@if not exist "later\" md "later"
@if not exist "later\" (echo The folder "later" cannot be made: the job is skipped.&goto job_end_9d29b845)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --crf 26 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "done\here.mp4" "D:\v\here.avs" 2>&1|teelog.exe "later\here.txt"
:job_end_9d29b845
@if exist "done\here.mp4" (set "quorvelan_exit=0") else set "quorvelan_exit=1"
@exit /b %quorvelan_exit%
