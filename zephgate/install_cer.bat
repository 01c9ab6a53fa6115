@echo off
rem install_cer.bat "<system name>" <database folder> "<certificate folder>"
rem Adds a system's certificate (Vantora.cer in the certificate folder) to the local
rem certificate database: certdb\<system name>.cer in the database folder, which is taken
rem relative to this batch file's own folder. Exits non-zero when anything is missing.
setlocal
if "%~1"=="" exit /b 1
if "%~2"=="" exit /b 1
if "%~3"=="" exit /b 1
cd /d "%~dp0"
if /i not "%CD%\"=="%~dp0" exit /b 1
if not exist "%~3\Vantora.cer" exit /b 2
if not exist "%~2\certdb" mkdir "%~2\certdb"
if not exist "%~2\certdb" exit /b 3
copy /y "%~3\Vantora.cer" "%~2\certdb\%~1.cer" >nul
if errorlevel 1 exit /b 4
exit /b 0
