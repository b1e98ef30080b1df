@setlocal DisableDelayedExpansion
@for /f "tokens=*" %%a in ('chcp') do @for %%b in (%%a) do @set "quorvelan_cp=%%~nb"
@chcp 65001 >nul
@cd /d "C:\Программы\quorvelan\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@echo Input:C:\Программы\quorvelan\avs\Файл.avi.avs
@echo Output:D:\out\Файл.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 0 -I 0 -i 0 --no-cabac -t 0 --me dia --sar 0:0 --threads auto -r 0 --nr 0 --no-deblock -b 0 -q 30 --qpmin 1 --qpmax 1 --no-8x8dct -A none -m 1 -o "D:\out\Файл.mp4" "C:\Программы\quorvelan\avs\Файл.avi.avs" 2>&1|teelog.exe "C:\Программы\quorvelan\log\Файл.avi.txt"
@echo Input:D:\v\café.avs
@echo Output:D:\out\café.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 0 -I 0 -i 0 --no-cabac -t 0 --me dia --sar 0:0 --threads auto -r 0 --nr 0 --no-deblock -b 0 -q 30 --qpmin 1 --qpmax 1 --no-8x8dct -A none -m 1 -o "D:\out\café.mp4" "D:\v\café.avs" 2>&1|teelog.exe "C:\Программы\quorvelan\log\café.avs.txt"
@echo Input:D:\v\café.avs
@echo Output:D:\v\café.mp4
@echo Encode Mode:Single Pass - Quantizer
x264.exe --cqm flat --scenecut 0 -I 0 -i 0 --no-cabac -t 0 --me dia --sar 0:0 --threads auto -r 0 --nr 0 --no-deblock -b 0 -q 30 --qpmin 1 --qpmax 1 --no-8x8dct -A none -m 1 -o "D:\v\café.mp4" "D:\v\café.avs" 2>&1|teelog.exe "C:\Программы\quorvelan\log\café (2).avs.txt"
bepipe.exe --script "import(^D:\v\café.avs^)" | enc_aacplus.exe - "D:\v\café.audio.aac" --cbr 64000000
mp4box.exe -add "D:\v\café.audio.aac" "D:\v\café.mp4"
if not errorlevel 1 del "D:\v\café.audio.aac"
@chcp %quorvelan_cp% >nul
@endlocal
