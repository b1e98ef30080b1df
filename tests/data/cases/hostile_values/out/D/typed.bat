@setlocal DisableDelayedExpansion
@cd /d "C:\Q\"
@envprep.exe run
@call envprep.bat
@del envprep.bat
@endlocal
