#pragma once
// The job list on the "Job" tab: one entry per batch line.

#include <string>
#include <vector>

#include "catalog/encode_modes.h"
#include "form/form.h"

namespace qv {

// The lines one job on the form gives (the three "@echo" lines, the passes,
// size check, audio and mux lines). Empty when the input or output field is
// empty. Changes nothing on the form.
std::vector<std::string> JobLines(const Form& form);

// Appends JobLines to the job list and empties the four job fields. False
// (and nothing changed) when the input or output field is empty.
bool AddJob(Form& form);

// As AddJob, but the lines go to `lines` instead of the list, so that many
// jobs can enter the list in one insertion.
bool AppendJobLines(Form& form, std::vector<std::string>& lines);

// The lines of one pass: the x264 line, then the audio and mux lines when
// audio is on and the pass writes the output.
void AddPassLines(const Form& form, EncodeMode passMode, const std::string& rateValue,
                  std::vector<std::string>& lines);

inline constexpr const char* kShutdownLine = "shutdown.exe -s -f -t 30";

// The Job-tab buttons. Each does nothing when it has nothing to work on. A
// moved line stays selected, so that repeated presses keep moving it.
void AppendShutdown(Form& form);
void ClearJobs(Form& form);
void DeleteSelectedJobLine(Form& form);
void MoveSelectedJobLineUp(Form& form);
void MoveSelectedJobLineDown(Form& form);

}  // namespace qv
