@setlocal DisableDelayedExpansion
@rem quorvelan job 3 (jobs.tsv lists them)
@set "PATH=C:\Q\;C:\Q\tools;%PATH%"
@echo Input:D:\v\talk.avs
@echo Output:D:\v\talk.mp4
@echo Encode Mode:Mutipass - First Pass
ffmpeg -hide_banner -y -i "D:\v\talk.avs" -vn -c:a aac -b:a 64k "D:\v\talk.audio.m4a"
@if exist "D:\v\talk.audio.m4a" (set "quorvelan_exit=0") else set "quorvelan_exit=1"
@exit /b %quorvelan_exit%
