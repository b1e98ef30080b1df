#pragma once
// The operations of the form that write files the user asked for; each
// tells the user about a file it could not write or a batch it could not start.

#include <string>
#include <vector>

#include "ui/app.h"

namespace qv {

void SaveNamedConfigReporting(App& app);  // "S"
void LoadNamedConfigReporting(App& app);  // "L"
void MakeBatchFileReporting(App& app);    // "Make BAT"
void StartBatchReporting(App& app);       // "Start"
void PickInputReporting(App& app);        // "..." beside "Input file:"
void FilesInputReporting(App& app);       // "Files input"
void DropFilesReporting(App& app, const std::vector<std::string>& paths);  // files dropped on the window
void AddJobReporting(App& app);           // "Add"

}  // namespace qv
