@setlocal DisableDelayedExpansion
@rem quorvelan job 1 (jobs.tsv lists them)
@set "PATH=C:\Q\;C:\Q\tools;%PATH%"
@echo Input:D:\v\clip.avs
@echo Output:E:\cmd\clip.mp4
@echo Encode Mode:Automated Double Passes
@if not exist "E:\cmd\" md "E:\cmd"
@if not exist "E:\cmd\" (echo The folder "E:\cmd" cannot be made: the job is skipped.&goto job_end_824961cd)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats "C:\Q\stats\clip.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "C:\Q\stats\clip.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "E:\cmd\clip.mp4" "D:\v\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
:job_end_824961cd
@if exist "E:\cmd\clip.mp4" (set "quorvelan_exit=0") else set "quorvelan_exit=1"
@exit /b %quorvelan_exit%
