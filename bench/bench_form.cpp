#include "bench_form.h"

#include "settings/config_io.h"

namespace qv::bench {

BenchJob::BenchJob() {
  fake.files.AddFolder("C:\\Q");
  // The job's folders exist, as they do for most jobs.
  for (const char* folder : {"C:\\Q\\stats", "C:\\Q\\log", "D:\\videos", "D:\\videos\\holiday"}) fake.files.AddFolder(folder);
  LoadBuiltInDefaults(form, fake.platform);
  form.SetNumber(ControlId::CreateLog, 1);
  form.ClearEvents();
}

void BenchJob::EnterJob() {
  form.SetText(ControlId::Input, "D:\\videos\\holiday\\clip.avs");
  form.SetText(ControlId::Output, "D:\\videos\\holiday\\clip.mp4");
  form.SetText(ControlId::Stats, "C:\\Q\\stats\\clip.avs.stat");
  form.SetText(ControlId::Log, "C:\\Q\\log\\clip.avs.txt");
  form.ClearEvents();
}

}  // namespace qv::bench
