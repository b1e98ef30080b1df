@setlocal DisableDelayedExpansion
@rem quorvelan job 1 (jobs.tsv lists them)
@set "PATH=C:\Q\;C:\Q\tools;%PATH%"
@echo Input:D:\v\clip.avs
@echo Output:D:\v\clip.mp4
@echo Encode Mode:Mutipass - First Pass
x264.exe --progress --no-psnr --no-ssim --cqm flat --scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "temporal" --b-bias 0 -w -p 1 --stats "C:\Q\stats\clip.avs.stat" -B 1000 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 --ipratio 1.400000 --pbratio 1.300000 -m 5 --ratetol 1.000000 --vbv-init 0.9 --vbv-bufsize 0 --vbv-maxrate 0 -o nul "D:\v\clip.avs" 2>&1|teelog.exe "C:\Q\log\clip.avs.txt"
@if exist "C:\Q\stats\clip.avs.stat" (set "quorvelan_exit=0") else set "quorvelan_exit=1"
@exit /b %quorvelan_exit%
