@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
shutdown.exe -s -f -t 30
@endlocal
