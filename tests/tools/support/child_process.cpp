#include "tools/support/child_process.h"

#include <windows.h>

#include <chrono>

namespace qv::testing {

namespace {

struct PipePair {
  HANDLE parentEnd = nullptr;
  HANDLE childEnd = nullptr;
};

// The child's end is inherited, the parent's end is not.
bool MakePipe(PipePair& pipe, bool childReads) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return false;
  pipe.childEnd = childReads ? read : write;
  pipe.parentEnd = childReads ? write : read;
  SetHandleInformation(pipe.parentEnd, HANDLE_FLAG_INHERIT, 0);
  return true;
}

}  // namespace

std::unique_ptr<ChildProcess> ChildProcess::Start(const std::string& commandLine, const std::string& folder) {
  PipePair in, out, err;
  if (!MakePipe(in, true) || !MakePipe(out, false) || !MakePipe(err, false)) return nullptr;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in.childEnd;
  startup.hStdOutput = out.childEnd;
  startup.hStdError = err.childEnd;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  const BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      folder.empty() ? nullptr : folder.c_str(), &startup, &info);
  for (HANDLE end : {in.childEnd, out.childEnd, err.childEnd}) CloseHandle(end);
  if (!started) {
    for (HANDLE end : {in.parentEnd, out.parentEnd, err.parentEnd}) CloseHandle(end);
    return nullptr;
  }
  CloseHandle(info.hThread);
  std::unique_ptr<ChildProcess> child(new ChildProcess);
  child->process_ = info.hProcess;
  child->input_ = in.parentEnd;
  child->outputReader_ = std::thread([c = child.get(), h = out.parentEnd] { c->Collect(h, c->output_); });
  child->errorReader_ = std::thread([c = child.get(), h = err.parentEnd] { c->Collect(h, c->errors_); });
  return child;
}

void ChildProcess::Collect(void* pipe, std::string& into) {
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    std::lock_guard<std::mutex> lock(mutex_);
    into.append(buffer, got);
    arrived_.notify_all();
  }
  CloseHandle(pipe);
}

ChildProcess::~ChildProcess() {
  if (WaitForSingleObject(process_, 0) != WAIT_OBJECT_0) TerminateProcess(process_, 259);
  Wait(INFINITE);
  CloseHandle(process_);
}

bool ChildProcess::Write(std::string_view bytes) {
  DWORD written = 0;
  return input_ && WriteFile(input_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

void ChildProcess::CloseInput() {
  if (input_) CloseHandle(input_);
  input_ = nullptr;
}

std::string ChildProcess::OutputOnceAtLeast(std::size_t count, unsigned timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  arrived_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return output_.size() >= count; });
  return output_;
}

std::optional<int> ChildProcess::Wait(unsigned timeoutMs) {
  const bool ended = WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
  if (!ended) {
    TerminateProcess(process_, 259);
    WaitForSingleObject(process_, INFINITE);
  }
  CloseInput();
  // The pipes end when the last process holding them (a grandchild, too) ends.
  if (outputReader_.joinable()) outputReader_.join();
  if (errorReader_.joinable()) errorReader_.join();
  if (!ended) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

std::string ChildProcess::Output() {
  std::lock_guard<std::mutex> lock(mutex_);
  return output_;
}

std::string ChildProcess::Errors() {
  std::lock_guard<std::mutex> lock(mutex_);
  return errors_;
}

std::optional<ProgramRun> RunProgram(const std::string& commandLine, std::string_view input,
                                     const std::string& folder, unsigned timeoutMs) {
  auto child = ChildProcess::Start(commandLine, folder);
  if (!child) return std::nullopt;
  child->Write(input);
  child->CloseInput();
  const auto code = child->Wait(timeoutMs);
  if (!code) return std::nullopt;
  return ProgramRun{*code, child->Output(), child->Errors()};
}

}  // namespace qv::testing
