@setlocal DisableDelayedExpansion
@cd /d "{root}prog\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@for /f "tokens=*" %%a in ('chcp') do @for %%b in (%%a) do @set "quorvelan_cp=%%~nb"
@chcp 65001 >nul
@echo Input:{root}视频\文件.avs
@echo Output:{root}视频\文件.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --stats "{root}prog\stats\文件.avs.stat" -p 1 --slow-firstpass --crf 16 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "{root}视频\文件.mp4" "{root}视频\文件.avs" 2>&1|teelog.exe "{root}prog\log\文件.avs.txt"
mensura.exe 1 2 "{root}视频\文件.mp4"
if errorlevel 1 x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "{root}prog\stats\文件.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "{root}视频\文件.mp4" "{root}视频\文件.avs" 2>&1|teelog.exe "{root}prog\log\文件.avs.txt"
@echo Input:{root}prog\avs\café.avi.avs
@echo Output:{root}vidéo\café.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --stats "{root}prog\stats\café.avi.stat" -p 1 --slow-firstpass --crf 16 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "{root}vidéo\café.mp4" "{root}prog\avs\café.avi.avs" 2>&1|teelog.exe "{root}prog\log\café.avi.txt"
mensura.exe 1 2 "{root}vidéo\café.mp4"
if errorlevel 1 x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "{root}prog\stats\café.avi.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "{root}vidéo\café.mp4" "{root}prog\avs\café.avi.avs" 2>&1|teelog.exe "{root}prog\log\café.avi.txt"
@echo Input:{root}clips\clip 😀.avs
@echo Output:{root}clips\clip 😀.mp4
@echo Encode Mode:Conditional Double Passes(1P-CRF)
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none --stats "{root}prog\stats\clip 😀.avs.stat" -p 1 --slow-firstpass --crf 16 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "{root}clips\clip 😀.mp4" "{root}clips\clip 😀.avs" 2>&1|teelog.exe "{root}prog\log\clip 😀.avs.txt"
mensura.exe 1 2 "{root}clips\clip 😀.mp4"
if errorlevel 1 x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 3 --stats "{root}prog\stats\clip 😀.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --qpstep 4 --qcomp 0.600000 --ipratio 1.400000 --pbratio 1.300000 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o "{root}clips\clip 😀.mp4" "{root}clips\clip 😀.avs" 2>&1|teelog.exe "{root}prog\log\clip 😀.avs.txt"
@chcp %quorvelan_cp% >nul
@endlocal
