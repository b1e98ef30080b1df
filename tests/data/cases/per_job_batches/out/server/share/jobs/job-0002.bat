@setlocal DisableDelayedExpansion
@rem quorvelan job 2 (jobs.tsv lists them)
@set "PATH=C:\Q\;C:\Q\tools;%PATH%"
@echo Input:C:\Q\avs\100%% a^&b.avi.avs
@echo Output:D:\v\100%% a^&b.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --stats "C:\Q\stats\100%% a&b.avi.stat" -p 1 --slow-firstpass --crf 16 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\100%% a&b.mp4" "C:\Q\avs\100%% a&b.avi.avs" 2>&1|teelog.exe "C:\Q\log\100%% a&b.avi.txt"
mensura.exe 90 110 "D:\v\100%% a&b.mp4"
if errorlevel 1 x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "C:\Q\stats\100%% a&b.avi.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "D:\v\100%% a&b.mp4" "C:\Q\avs\100%% a&b.avi.avs" 2>&1|teelog.exe "C:\Q\log\100%% a&b.avi.txt"
ffmpeg -hide_banner -y -i "C:\Q\avs\100%% a&b.avi.avs" -vn -c:a aac -b:a 64k "D:\v\100%% a&b.audio.m4a"
mkvmerge -o "D:\v\100%% a&b.mkv" "D:\v\100%% a&b.mp4" "D:\v\100%% a&b.audio.m4a"
if not errorlevel 1 del "D:\v\100%% a&b.audio.m4a"
if not errorlevel 2 if exist "D:\v\100%% a&b.mkv" del "D:\v\100%% a&b.mp4"
@if exist "D:\v\100%% a&b.mkv" (set "quorvelan_exit=0") else set "quorvelan_exit=1"
@exit /b %quorvelan_exit%
