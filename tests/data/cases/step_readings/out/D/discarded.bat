@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:D:\v\b^^c.avs
@echo Output:D:\v\b^^c.mp4
@echo Encode Mode:Mutipass - First Pass
x264.exe --cqm flat --scenecut 40 -I 250 -i 25 -t 0 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 --b-pyramid none -p 1 --slow-firstpass --stats "C:\Q\stats\b^c.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\b^c.avs" 2>&1|teelog.exe "C:\Q\log\b^c.avs.txt"
@endlocal
