#pragma once
// The audio-encoding line of a job and the mux lines that follow it.

#include <string>
#include <vector>

#include "catalog/muxers.h"
#include "form/form.h"

namespace qv {

// The audio line for `encoder` (an index of the audio list) followed by the
// mux lines of the muxer on the form; nothing for an index outside the list.
std::vector<std::string> AudioCommands(const Form& form, int encoder);

// The file that the merge of `muxer` writes for `output`: the output's name
// with the row's ending (".mkv"), or ".muxed" before it for an output that
// already has it; "" for a muxer that writes into the output itself.
std::string MergedName(const MuxerSpec& muxer, const std::string& output);

// The mux and clean-up lines for the audio file `audio`.
std::vector<std::string> MuxCommands(const Form& form, const std::string& audio);

}  // namespace qv
