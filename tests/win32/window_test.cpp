// The real window under Wine against its model: the same start-up and user
// actions run in this process on fake files and dialogs in a program folder of
// the same name. After each scene every control must show what the model
// holds, and every file the program writes must be the one the model writes.

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <functional>

#include "catalog/when_done.h"
#include "platform/fake/fake_platform.h"
#include "platform/win32/win32_platform.h"
#include "program_driver.h"
#include "settings/config_io.h"
#include "tools/support/data_table.h"
#include "ui/dispatch.h"
#include "ui/lifecycle.h"
#include "ui/reported_operations.h"
#include "ui/win32/queue_window.h"

namespace qvtest {
namespace {

using qv::ControlId;
using qv::ControlKind;
using qv::testing::ReadBytes;
using qv::testing::WriteBytes;
namespace fs = std::filesystem;

enum PageIndex { kBitrate, kRateControl, kFrames, kMore, kJob, kPageCount };

// The widest of `texts` in `font`, as one line, in pixels.
int WidestText(HFONT font, const std::vector<std::string>& texts) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ before = SelectObject(screen, font);
  int widest = 0;
  for (const std::string& text : texts) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), wide.size())));
    RECT box{};
    DrawTextW(screen, wide.c_str(), static_cast<int>(wide.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    widest = std::max(widest, static_cast<int>(box.right));
  }
  SelectObject(screen, before);
  ReleaseDC(nullptr, screen);
  return widest;
}

// Whether a dialog is wide enough for its whole caption (in the system's
// caption font) beside its close button.
bool HoldsItsCaption(HWND dialog, const std::string& caption) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const HFONT font = CreateFontIndirectW(&metrics.lfCaptionFont);
  const int width = WidestText(font, {caption});
  DeleteObject(font);
  RECT outer{};
  GetWindowRect(dialog, &outer);
  return outer.right - outer.left >= width + 2 * metrics.iCaptionWidth;
}

// The DPI that programs started from now on draw at, as Wine reads it when a
// program starts (the desktop's and the fonts' settings); the old values
// come back at the end.
class SystemDpi {
 public:
  SystemDpi() {
    for (Setting& setting : settings_) {
      DWORD size = sizeof(setting.old);
      setting.had = RegGetValueW(setting.root, setting.key, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &setting.old,
                                 &size) == ERROR_SUCCESS;
    }
  }
  ~SystemDpi() {
    for (const Setting& setting : settings_) {
      if (setting.had) {
        Set(setting, setting.old);
      } else {
        RegDeleteKeyValueW(setting.root, setting.key, L"LogPixels");
      }
    }
  }
  void Use(DWORD dpi) const {
    for (const Setting& setting : settings_) Set(setting, dpi);
  }

 private:
  struct Setting {
    HKEY root;
    const wchar_t* key;
    DWORD old = 0;
    bool had = false;
  };
  static void Set(const Setting& setting, DWORD dpi) {
    RegSetKeyValueW(setting.root, setting.key, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
  }
  Setting settings_[2] = {{HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
                          {HKEY_CURRENT_CONFIG, L"Software\\Fonts"}};
};

// The font that the window gives a control at `dpi`: the system's dialog font
// for the few that keep it, Tahoma 8 pt for all others. (A control's own font
// handle belongs to the program and cannot be read from here.)
HFONT RuleFont(bool dialogFont, UINT dpi) {
  LOGFONTW look{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(look), &look);
  look.lfHeight = MulDiv(look.lfHeight, dpi, GetDpiForSystem());
  if (!dialogFont) {
    look.lfHeight = -MulDiv(8, dpi, 72);
    lstrcpyW(look.lfFaceName, L"Tahoma");
  }
  return CreateFontIndirectW(&look);
}

// The model of the window: its start-up from the state and job-list files
// that the program folder holds now, on fakes whose dialogs give the answers
// queued in `fake`, with the code pages of the system that runs the window.
struct Twin {
  explicit Twin(const std::string& folder)
      : platform{fake.files, fake.dialogs, fake.processes, fake.libraries, fake.clipboard, codePages, folder, folder} {
    for (auto at = folder.find('\\'); at != std::string::npos; at = folder.find('\\', at + 1)) {
      fake.files.AddFolder(folder.substr(0, at));
    }
    fake.files.AddFolder(folder + "avsinc");
    for (const std::string name : {"quorvelan.ini", "quorvelan-jobs.txt", "avsinc\\DirectShow.avs"}) {
      if (std::optional<std::string> bytes = ReadBytes(folder + name)) fake.files.AddFile(folder + name, *bytes);
    }
    problem = qv::StartUp(app);
  }
  qv::platform::FakePlatform fake;
  qv::platform::Win32CodePages codePages;
  qv::platform::Platform platform;
  qv::Form form = qv::InitialForm();
  qv::App app{form, platform};
  std::string problem;  // told at start-up
};

class WindowTest : public testing::Test {
 protected:
  // The include script that the zip ships, which wrappers import.
  void SetUp() override {
    fs::create_directory(fs::u8path(program.Folder() + "avsinc"));
    WriteBytes(program.Folder() + "avsinc\\DirectShow.avs", "DirectShowSource(fs, utf8=true)\r\n");
    Restart();
  }

  // The model reads the files before the program can move a damaged one.
  void Restart() {
    twin.emplace(program.Folder());
    ASSERT_TRUE(program.Start()) << "no window appeared";
  }
  std::string File(const std::string& name) const { return program.Folder() + name; }

  // A folder that exists on the system, known to the model as well, so that
  // its jobs make no folder.
  void TwinKnowsFolder(const std::string& folder) {
    for (auto at = folder.find('\\'); at != std::string::npos; at = folder.find('\\', at + 1)) {
      twin->fake.files.AddFolder(folder.substr(0, at));
    }
    twin->fake.files.AddFolder(folder);
  }
  // The text of the model's last dialog.
  std::string TwinTold() const {
    const auto& calls = twin->fake.dialogs.calls;
    return calls.empty() ? "(no dialog)" : calls.back().defaultName;
  }
  std::optional<std::string> TwinFile(const std::string& name) {
    qv::platform::FileContent content = twin->fake.files.ReadFile(File(name), std::string::npos);
    if (content.status != qv::platform::ReadStatus::Read) return std::nullopt;
    return std::move(content.bytes);
  }

  // --- one action on the window and on the model
  void Type(ControlId id, const std::string& typed, const std::string& shown) {
    program.Type(id, typed);
    EXPECT_EQ(program.Text(id), shown) << qv::ControlName(id);
    twin->form.UserType(id, shown);
    qv::RunPendingEvents(twin->app);
  }
  void Click(ControlId id) {
    program.Click(id);
    twin->form.UserClick(id);
    qv::RunPendingEvents(twin->app);
  }
  void Pick(ControlId id, int index) {
    program.Pick(id, index);
    twin->form.UserSelect(id, index);
    qv::RunPendingEvents(twin->app);
  }
  // Clicks a button whose dialog `answer` answers; the model's answer is queued beforehand.
  void ClickAndAnswer(ControlId button, const std::string& title, const std::function<void(HWND)>& answer) {
    program.ClickOpeningDialog(button);
    HWND dialog = program.WaitForDialog(title);
    ASSERT_NE(dialog, nullptr) << qv::ControlName(button);
    answer(dialog);
    program.WaitUntilClosed(dialog);
    twin->form.UserClick(button);
    qv::RunPendingEvents(twin->app);
  }
  // "Files input" on `names` in the folder `folder` (both relative to the
  // program folder), created with a line of script each, typed into the file
  // dialog. The model gets the output folder that the folder browser gave
  // (under Wine the desktop, whatever folder it was asked to start in).
  void FilesInputOf(const std::string& folder, const std::vector<std::string>& names) {
    fs::create_directory(fs::u8path(File(folder)));
    TwinKnowsFolder(File(folder));
    std::string typed;
    twin->fake.dialogs.pathLists.emplace_back();
    for (const std::string& name : names) {
      const std::string source = File(folder + "\\" + name);
      WriteBytes(fs::u8path(source), "Version()\r\n");
      typed += "\"" + name + "\" ";
      twin->fake.dialogs.pathLists.back().push_back(source);
    }
    // The folder browser under Wine may offer another folder than the one
    // it is opened at; the model takes the one this round's first job got.
    const std::size_t firstNewLine = twin->form.Items(ControlId::JobList).size();
    ClickAndAnswer(ControlId::FilesInput, "", [&](HWND folders) {
      program.PressDialogButton(folders, IDOK);
      HWND files = program.WaitForDialog("Select some files");
      ASSERT_NE(files, nullptr);
      program.OpenFolderInFileDialog(files, File(folder));
      program.AnswerFileDialog(files, typed);
      program.WaitUntilClosed(files);
      program.ShowPage(kJob);
      const std::string output = program.Lines(ControlId::JobList).at(firstNewLine + 1);
      twin->fake.dialogs.paths.push_back(output.substr(13, output.rfind('\\') - 13));
      TwinKnowsFolder(twin->fake.dialogs.paths.back());
    });
  }
  // Ctrl+Z where the focus is.
  void Undo() {
    PostMessageA(program.Focus(), WM_CHAR, 0x1A, 1);
    program.Settle();
    twin->form.UserUndo(ControlId::JobList);
    qv::RunPendingEvents(twin->app);
  }
  // Through the "edit" requester, ended with Enter.
  void EditJobLine(int index, const std::string& text) {
    Pick(ControlId::JobList, index);
    twin->fake.dialogs.edits.push_back(text);
    ClickAndAnswer(ControlId::JobEdit, "Edit", [&](HWND dialog) {
      HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
      program.TypeIntoDialog(edit, text);
      PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    });
  }

  // Every control of the window against the model, page by page: shown
  // exactly when the model holds it visible on the shown page, and there with
  // the model's enabled state, text, check mark, position, items and selection.
  void ExpectWindowShows() {
    const qv::Form& form = twin->form;
    for (int tab = 0; tab < kPageCount; ++tab) {
      program.ShowPage(tab);
      for (std::size_t i = 0; i < qv::kControlCount; ++i) {
        const qv::ControlSpec& row = qv::AllControls()[i];
        const ControlId id = row.id;
        const bool onPage = row.page == qv::Page::Window || static_cast<int>(row.page) == tab + 1;
        SCOPED_TRACE(std::string(qv::ControlName(id)) + " on page " + std::to_string(tab));
        if (row.kind == ControlKind::Tab || (!onPage && !program.Control(id))) continue;  // pages not shown yet
        ASSERT_NE(program.Control(id), nullptr);
        EXPECT_EQ(program.Visible(id), onPage && form.Visible(id));
        if (!onPage) continue;
        EXPECT_EQ(program.Enabled(id), form.Enabled(id));
        if (row.kind == ControlKind::CheckBox || row.kind == ControlKind::TrackBar) {
          EXPECT_EQ(row.kind == ControlKind::CheckBox ? program.Checked(id) : program.Position(id), form.Number(id));
        }
        if (qv::HasSelection(row.kind)) {
          EXPECT_EQ(program.Selection(id), form.Selection(id));
          EXPECT_EQ(program.Lines(id), form.Items(id));
        }
        if (row.kind != ControlKind::List && row.kind != ControlKind::TrackBar && row.kind != ControlKind::Image) {
          EXPECT_EQ(program.Text(id), form.Text(id));
        }
      }
    }
  }

  ProgramDriver program{QV_PROGRAM, {QV_TOOL_FOLDER "/snooze.exe", QV_TOOL_FOLDER "/envprep.exe", QV_STANDIN}};
  std::optional<Twin> twin;
};

// One real action for each kind of control; the rest shows the built-in defaults.
TEST_F(WindowTest, EveryKindOfControlActsAsTheModelSays) {
  // A number field refuses a letter where it is typed, and says why; a rate
  // outside the mode's range stays as typed.
  Type(ControlId::Value, "1.5x", "1.5");
  EXPECT_EQ(program.ShownTip(), "Only a number can be typed here: digits, a minus sign and a point.");
  Type(ControlId::Value, "60", "60");
  EXPECT_EQ(program.ShownTip(), "");
  Pick(ControlId::Mode, 13);           // a drop-down and the mode rules
  program.ShowPage(kRateControl);
  Type(ControlId::Kfb, "4a5", "45");  // a field for digits only
  program.ShowPage(kFrames);
  Type(ControlId::Bias, "-100", "-10");                               // three characters at most
  program.PressKey(program.Control(ControlId::BiasSlider), VK_HOME);  // a track bar and its readout
  twin->form.UserSlide(ControlId::BiasSlider, 0);
  qv::RunPendingEvents(twin->app);
  program.ShowPage(kMore);
  Click(ControlId::Audio);  // a check box and the rule it drives
  ExpectWindowShows();
}

// Every caption, and every entry of a drop-down (any of which may be the one
// its closed box shows), fits its control at 96 and at 144 DPI beside the
// check mark or the drop-down button, and no two controls shown on a page
// overlap. A label that shows its whole text as a tip may be cut.
TEST_F(WindowTest, EveryTextFitsItsControlAt96And144Dpi) {
  const SystemDpi system;
  // The program's own pixels, not this program's view of them.
  const DPI_AWARENESS_CONTEXT before = SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
  for (const UINT dpi : {96u, 144u}) {
    EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0));
    system.Use(dpi);
    Restart();
    const int edges = 2 * GetSystemMetricsForDpi(SM_CXEDGE, dpi);
    const HFONT fonts[] = {RuleFont(false, dpi), RuleFont(true, dpi)};
    for (int tab = 0; tab < kPageCount; ++tab) {
      program.ShowPage(tab);
      std::vector<std::pair<ControlId, RECT>> shown;
      for (std::size_t i = 0; i < qv::kControlCount; ++i) {
        const qv::ControlSpec& row = qv::AllControls()[i];
        if (static_cast<int>(row.page) != tab + 1 && (tab > 0 || row.page != qv::Page::Window)) continue;
        SCOPED_TRACE(std::string(qv::ControlName(row.id)) + " at " + std::to_string(dpi) + " DPI");
        const HWND control = program.Control(row.id);
        RECT client{};
        GetClientRect(control, &client);
        int room = client.right;
        if (row.kind == ControlKind::CheckBox) room -= GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi) + edges;
        if (qv::HasSelection(row.kind)) room -= GetSystemMetricsForDpi(SM_CXVSCROLL, dpi) + edges;
        if (row.kind == ControlKind::Button || row.kind == ControlKind::Frame) room -= 2 * edges;
        const bool captioned = row.kind == ControlKind::Button || row.kind == ControlKind::CheckBox ||
                               row.kind == ControlKind::Frame ||
                               (row.kind == ControlKind::Label && !(row.style & qv::kWholeTextTip));
        if (captioned || row.kind == ControlKind::DropDown || row.kind == ControlKind::EditableCombo) {
          const auto texts = captioned ? std::vector<std::string>{program.Text(row.id)} : program.Lines(row.id);
          const bool dialogFont = (row.style & qv::kDefaultFont) != 0;
          EXPECT_LE(WidestText(fonts[dialogFont], texts), room);
        }
        if (program.Visible(row.id) && row.kind != ControlKind::Frame && row.kind != ControlKind::Tab) {
          RECT place{};
          GetWindowRect(control, &place);
          InflateRect(&place, -1, -1);  // rounding to pixels may make neighbours share one
          for (const auto& [other, otherPlace] : shown) {
            RECT common{};
            EXPECT_FALSE(IntersectRect(&common, &place, &otherPlace)) << "overlaps " << qv::ControlName(other);
          }
          shown.emplace_back(row.id, place);
        }
      }
    }
    for (const HFONT font : fonts) DeleteObject(font);
  }
  SetThreadDpiAwarenessContext(before);
}

// Common dialogs answered in the window: the file pickers, the yes/no question.
TEST_F(WindowTest, DialogAnswersReachTheFieldsTheBatchAndTheConfig) {
  fs::create_directory(File("media"));
  TwinKnowsFolder(File("media"));
  const std::string input = File("media\\clip.avs");
  WriteBytes(input, "Version()\r\n");
  twin->fake.dialogs.paths.push_back(input);
  ClickAndAnswer(ControlId::InputBrowse, "", [&](HWND picker) { program.AnswerFileDialog(picker, input); });
  Click(ControlId::Add);
  program.ShowPage(kJob);
  twin->fake.dialogs.paths.push_back(File("jobs.bat"));
  ClickAndAnswer(ControlId::JobMakeBat, "", [&](HWND saver) { program.AnswerFileDialog(saver, File("jobs.bat")); });
  ASSERT_TRUE(TwinFile("jobs.bat"));
  EXPECT_EQ(ReadBytes(File("jobs.bat")), TwinFile("jobs.bat"));

  program.ShowPage(kBitrate);
  Type(ControlId::ConfigName, "mine", "mine");
  twin->fake.dialogs.answers.push_back(true);
  ClickAndAnswer(ControlId::SaveConfig, "Save", [&](HWND question) { program.PressDialogButton(question, IDYES); });
  ASSERT_TRUE(TwinFile("configs\\mine.ini"));
  EXPECT_EQ(ReadBytes(File("configs\\mine.ini")), TwinFile("configs\\mine.ini"));
  ExpectWindowShows();
  // Which x264 syntax the job got, and why, is longer than its label.
  program.ShowPage(kMore);
  EXPECT_EQ(program.TipAt(ControlId::X264Found, POINT{4, 4}), twin->form.Text(ControlId::X264Found));
}

// "Files input" with a few files, then the job list: lines picked with the
// keyboard, moved, edited and viewed; Ctrl+Z takes back the edit and a move.
TEST_F(WindowTest, FilesInputFillsTheJobListThatItsButtonsEdit) {
  FilesInputOf("media", {"a.avs", "b.avs", "c.avs"});
  program.ShowPage(kJob);
  const int last = twin->form.ItemCount(ControlId::JobList) - 1;
  Pick(ControlId::JobList, last);
  Click(ControlId::JobUp);
  Click(ControlId::JobUp);
  Click(ControlId::JobDown);
  EditJobLine(1, "@echo edited");
  std::string shown;
  const std::string title = "The command line parameter is:";
  ClickAndAnswer(ControlId::JobView, title, [&](HWND view) {
    EXPECT_TRUE(HoldsItsCaption(view, title));
    shown = program.DialogText(view);
    program.PressDialogButton(view, IDOK);
  });
  EXPECT_NE(shown.find(TwinTold()), std::string::npos) << shown;
  Undo();
  Undo();
  ExpectWindowShows();
}

// The stand-in of the batch tests, as a job line, notes the priority class
// of the batch that runs it.
TEST_F(WindowTest, StartRunsTheBatchAtIdlePriorityAndTheBatchDeletesItself) {
  program.ShowPage(kJob);
  Click(ControlId::JobShut);
  Click(ControlId::JobShut);
  EditJobLine(0, "@copy temp.bat started.txt >nul");
  EditJobLine(1, "@qv_standin.exe");
  Click(ControlId::JobStart);
  for (int i = 0; i < 600 && (!fs::exists(File("steps.log")) || fs::exists(File("temp.bat"))); ++i) Sleep(100);
  EXPECT_FALSE(fs::exists(File("temp.bat")));
  EXPECT_EQ(ReadBytes(File("steps.log")).value_or("").substr(0, 16), "qv_standin\tidle\t");
  ASSERT_TRUE(TwinFile("temp.bat"));
  EXPECT_EQ(ReadBytes(File("started.txt")), TwinFile("temp.bat"));
  EXPECT_EQ(ReadBytes(File("quorvelan.ini")), TwinFile("quorvelan.ini"));
}

// The rows of the queue view once `shown` holds for them, or the last ones
// read when it never does.
std::vector<std::string> QueueRowsOnce(const ProgramDriver& program,
                                       const std::function<bool(const std::vector<std::string>&)>& shown) {
  std::vector<std::string> rows;
  for (int i = 0; i < 600 && !shown(rows = program.QueueRows()); ++i) Sleep(100);
  return rows;
}

bool Holds(const std::string& row, const std::string& part) { return row.find(part) != std::string::npos; }

// The x264 stand-ins running now, each with the suspend count of its first
// thread (as SuspendThread finds it, which it then takes back).
std::vector<DWORD> StandInsRunning() {
  PROCESSENTRY32W process{};
  process.dwSize = sizeof process;
  std::vector<DWORD> suspended;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS | TH32CS_SNAPTHREAD, 0);
  for (BOOL more = Process32FirstW(snapshot, &process); more; more = Process32NextW(snapshot, &process)) {
    if (lstrcmpiW(process.szExeFile, L"x264.exe") != 0) continue;
    THREADENTRY32 thread{};
    thread.dwSize = sizeof thread;
    BOOL found = Thread32First(snapshot, &thread);
    while (found && thread.th32OwnerProcessID != process.th32ProcessID) found = Thread32Next(snapshot, &thread);
    const HANDLE handle = found ? OpenThread(THREAD_SUSPEND_RESUME, FALSE, thread.th32ThreadID) : nullptr;
    suspended.push_back(handle ? SuspendThread(handle) : 99);
    if (handle) ResumeThread(handle), CloseHandle(handle);
  }
  CloseHandle(snapshot);
  return suspended;
}

// Three jobs through teelog.exe and the x264 stand-in, which paces its
// progress, fails with an "[error]" line, or hangs until "Stop now" ends the
// batch's whole process tree. (Wine's command interpreter runs the two
// sides of a pipe one after the other, so teelog.exe reports a step only
// once its x264 has ended: progress while it runs is the core tests' part.)
TEST_F(WindowTest, TheQueueViewFollowsTheBatchWhichPauseHoldsAndStopNowEnds) {
  program.Crash();
  ASSERT_TRUE(CopyFileA(QV_TOOL_FOLDER "/teelog.exe", File("teelog.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(QV_STANDIN, File("x264.exe").c_str(), FALSE));
  std::string list;
  for (const auto& [name, script] : {std::pair<std::string, std::string>{"a", "frames=20\r\n#standin pace=50"},
                                     {"b", "x264=error"}, {"c", "x264=hang"}}) {
    WriteBytes(File(name + ".avs"), "Version()\r\n#standin " + script + "\r\n");
    list += "@echo Input:" + name + ".avs\r\n@echo Output:" + name + ".mp4\r\n@echo Encode Mode:Single Pass\r\n"
            "x264.exe -q 26 -o \"" + name + ".mp4\" \"" + name + ".avs\" 2>&1|teelog.exe \"" + name + ".txt\"\r\n";
  }
  WriteBytes(File("quorvelan-jobs.txt"), list);
  Restart();
  program.ShowPage(kJob);
  program.Click(ControlId::JobStart);

  const std::vector<std::string> rows =
      QueueRowsOnce(program, [](const auto& r) { return r.size() == 3 && Holds(r[1], "| failed |"); });
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(Holds(rows[0], "a.avs | Single Pass | a.mp4 | done |") && Holds(rows[0], " MB |")) << rows[0];
  EXPECT_TRUE(Holds(rows[1], "x264 reported an error | x264 [error]: standin told to fail")) << rows[1];
  EXPECT_TRUE(Holds(rows[2], "| waiting |")) << rows[2];
  EXPECT_EQ(program.QueueStatus(), "1 done, 1 failed, 1 waiting");
  EXPECT_EQ(program.Title(), "66% \xE2\x80\x94 quorvelan");
  for (int i = 0; i < 600 && StandInsRunning().empty(); ++i) Sleep(100);
  ASSERT_EQ(StandInsRunning(), std::vector<DWORD>{0});
  program.ClickQueueButton(qv::win32::kQueuePauseId);
  EXPECT_EQ(StandInsRunning(), std::vector<DWORD>{1}) << "held by Pause";
  program.ClickQueueButton(qv::win32::kQueuePauseId);
  EXPECT_EQ(StandInsRunning(), std::vector<DWORD>{0}) << "going on after Resume";
  program.ClickQueueButton(qv::win32::kQueueStopNowId);
  for (int i = 0; i < 600 && program.Title() != "quorvelan"; ++i) Sleep(100);
  EXPECT_EQ(StandInsRunning(), std::vector<DWORD>{});
  EXPECT_FALSE(fs::exists(File("temp.bat")));
  EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0)) << "nothing to ask once the queue ended";

  // After a restart "Start" leaves the job kept as done out and runs the rest.
  Restart();
  program.ShowPage(kJob);
  program.Click(ControlId::JobStart);
  // The stand-in logs each run as it ends: the failed job's second run.
  std::string steps;
  for (int i = 0; i < 600 && steps.find("b.avs") == steps.rfind("b.avs"); ++i) {
    Sleep(100);
    steps = ReadBytes(File("steps.log")).value_or("");
  }
  const std::vector<std::string> again = program.QueueRows();
  ASSERT_EQ(again.size(), 3u);
  EXPECT_TRUE(Holds(again[0], "| done |")) << again[0];
  EXPECT_EQ(steps.find("a.avs"), steps.rfind("a.avs")) << steps;
  EXPECT_NE(steps.find("b.avs"), steps.rfind("b.avs")) << steps;
  program.ClickQueueButton(qv::win32::kQueueStopNowId);
  for (int i = 0; i < 600 && program.Title() != "quorvelan"; ++i) Sleep(100);
  EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0));
}

// "When done: close quorvelan", picked beside "Start", for real, after its
// countdown of 60 s.
TEST_F(WindowTest, AQueueThatEndsClosesTheWindowWhenToldAfterTheCountdown) {
  program.ShowPage(kJob);
  Click(ControlId::JobShut);
  EditJobLine(0, "@snooze.exe 3000");
  program.Pick(ControlId::WhenDone, static_cast<int>(qv::WhenDone::CloseProgram));
  program.Click(ControlId::JobStart);
  const HWND countdown = program.WaitForDialog("quorvelan");
  ASSERT_NE(countdown, nullptr);
  EXPECT_EQ(program.DialogText(countdown).substr(0, 39), "The queue has ended: quorvelan closes.\n");
  std::optional<DWORD> exit = program.WaitForExit();
  EXPECT_EQ(exit ? exit : program.WaitForExit(), std::optional<DWORD>(0));
}

// A value that the form keeps (200 becomes 70 as typed) comes back unchanged.
TEST_F(WindowTest, TheCloseBoxAndCancelSaveTheStateFileThatTheNextStartShows) {
  program.ShowPage(kRateControl);
  Type(ControlId::Kfb, "200", "70");
  Type(ControlId::Bfr, "200", "60");
  EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0));
  ASSERT_TRUE(qv::MayClose(twin->app));
  EXPECT_EQ(ReadBytes(File("quorvelan.ini")), TwinFile("quorvelan.ini"));

  Restart();
  ExpectWindowShows();
  program.ShowPage(kRateControl);
  Type(ControlId::Kfb, "66", "66");
  program.ClickOpeningDialog(ControlId::Cancel);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  ASSERT_TRUE(qv::MayClose(twin->app));
  EXPECT_EQ(ReadBytes(File("quorvelan.ini")), TwinFile("quorvelan.ini"));
}

TEST_F(WindowTest, StartsWithTheFocusOnTheModeListNotOnAButton) {
  EXPECT_EQ(program.Focus(), program.Control(ControlId::Mode));
}

// Written after each change: a crash right after it loses nothing. A line
// wider than the list makes it scroll sideways, and shows whole as a tip.
TEST_F(WindowTest, TheJobListComesBackAfterACrash) {
  program.ShowPage(kJob);
  Click(ControlId::JobShut);
  Click(ControlId::JobShut);
  EditJobLine(0, "@echo " + std::string(300, 'w') + " end");
  program.Crash();
  EXPECT_EQ(ReadBytes(File("quorvelan-jobs.txt")), TwinFile("quorvelan-jobs.txt"));

  Restart();
  ExpectWindowShows();
  RECT list{};
  GetClientRect(program.Control(ControlId::JobList), &list);
  EXPECT_GT(program.Ask(ControlId::JobList, LVM_GETCOLUMNWIDTH), list.right);
  program.ShowPage(kJob);
  EXPECT_EQ(program.TipAt(ControlId::JobList, POINT{30, 4}), twin->form.Item(ControlId::JobList, 0));
}

TEST_F(WindowTest, ADamagedJobListIsMovedAsideAndTold) {
  const std::string damaged("@echo one\r\n@echo t\0wo\r\n", 23);
  EXPECT_EQ(program.CloseWindow(), std::optional<DWORD>(0));
  WriteBytes(File("quorvelan-jobs.txt"), damaged);
  Restart();
  HWND told = program.WaitForDialog("quorvelan");
  ASSERT_NE(told, nullptr);
  EXPECT_NE(program.DialogText(told).find(twin->problem), std::string::npos) << twin->problem;
  program.PressDialogButton(told, IDOK);
  EXPECT_EQ(ReadBytes(File("quorvelan-jobs.damaged.txt")), damaged);
  ExpectWindowShows();
}

// Three files and a folder, dropped on the window: the folder brings its
// video file and says what it left out, listed by the system.
TEST_F(WindowTest, DroppedFilesAreQueuedAndAFolderBringsItsVideos) {
  fs::create_directories(File("media\\sub"));
  twin->fake.files.AddFolder(File("media"));
  for (const std::string name : {"sub\\d.avs", "sub\\notes.txt"}) {
    WriteBytes(File("media\\" + name), "Version()\r\n");
    twin->fake.files.AddFile(File("media\\" + name), "Version()\r\n");
  }
  std::vector<std::string> dropped;
  for (const std::string name : {"a.avs", "sub", "b.mkv", "c.avs"}) {
    if (name != "sub") WriteBytes(File("media\\" + name), "Version()\r\n");
    dropped.push_back(File("media\\" + name));
  }
  program.DropFiles(dropped);
  HWND summary = program.WaitForDialog("Folders");
  ASSERT_NE(summary, nullptr);
  const std::string shown = program.DialogText(summary);
  program.PressDialogButton(summary, IDOK);
  qv::DropFilesReporting(twin->app, dropped);
  qv::RunPendingEvents(twin->app);
  EXPECT_NE(shown.find(TwinTold()), std::string::npos) << shown;
  EXPECT_EQ(ReadBytes(File("quorvelan-jobs.txt")), TwinFile("quorvelan-jobs.txt"));
  EXPECT_NE(TwinFile("quorvelan-jobs.txt").value_or("").find("sub\\d.avs"), std::string::npos);
  EXPECT_EQ(ReadBytes(File("avs\\b.mkv.avs")), TwinFile("avs\\b.mkv.avs"));
  ExpectWindowShows();
}

// Wine ignores the read-only flag of a folder (and the tests may run as root),
// so the state file itself is read-only here.
TEST_F(WindowTest, ClosingAsksWhenTheStateFileCannotBeWritten) {
  WriteBytes(File("quorvelan.ini"), "kfb = 50\r\n");
  SetFileAttributesA(File("quorvelan.ini").c_str(), FILE_ATTRIBUTE_READONLY);
  twin->fake.files.AddFile(File("quorvelan.ini"), "kfb = 50\r\n");
  twin->fake.files.MakeReadOnly(File("quorvelan.ini"));
  twin->fake.dialogs.answers = {false, true};
  for (const int answer : {IDNO, IDYES}) {
    program.PressCloseBox();
    HWND question = program.WaitForDialog("quorvelan");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(qv::MayClose(twin->app), answer == IDYES);
    EXPECT_NE(program.DialogText(question).find(TwinTold()), std::string::npos) << TwinTold();
    program.PressDialogButton(question, answer);
    EXPECT_EQ(IsWindow(program.Window()) != FALSE, answer == IDNO);
  }
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  SetFileAttributesA(File("quorvelan.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadBytes(File("quorvelan.ini")), "kfb = 50\r\n");
}

// "Files input" with names in every script typed into the file dialog, a
// round for each folder of tests/data/win32/names.tsv: the job list, the
// wrapper scripts and the batch are the model's, byte for byte.
TEST_F(WindowTest, FilesInputTakesNamesInEveryScript) {
  for (const qv::testing::Row& round : qv::testing::ReadTable("win32/names.tsv")) {
    FilesInputOf(round[0], std::vector<std::string>(round.begin() + 1, round.end()));
  }
  program.ShowPage(kJob);
  twin->fake.dialogs.paths.push_back(File("jobs.bat"));
  ClickAndAnswer(ControlId::JobMakeBat, "", [&](HWND saver) { program.AnswerFileDialog(saver, File("jobs.bat")); });
  for (const std::string& path : twin->fake.files.Files()) {
    EXPECT_EQ(ReadBytes(fs::u8path(path)), TwinFile(path.substr(program.Folder().size()))) << path;
  }
  ExpectWindowShows();
}

}  // namespace
}  // namespace qvtest
