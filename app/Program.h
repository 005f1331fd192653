#pragma once
// The six windows of one run, created in their fixed order and destroyed
// dialogs first, main window last.
#include <memory>

namespace tarnwick {

class Engine;
class TForm1;
class TfrmSonabel;
class TfrmPurvex;
class TfrmSearchOptions;
class TfrmDataFile;
class TfrmDupes;

class Program {
public:
    explicit Program(Engine &engine);
    ~Program();

    TForm1 &mainWindow() { return *m_form1; }
    TfrmSonabel &sonabel() { return *m_sonabel; }
    TfrmPurvex &purvex() { return *m_purvex; }
    TfrmSearchOptions &searchOptions() { return *m_searchOptions; }
    TfrmDataFile &dataFile() { return *m_dataFile; }
    TfrmDupes &dupes() { return *m_dupes; }

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TfrmSonabel> m_sonabel;
    std::unique_ptr<TfrmPurvex> m_purvex;
    std::unique_ptr<TfrmSearchOptions> m_searchOptions;
    std::unique_ptr<TfrmDataFile> m_dataFile;
    std::unique_ptr<TfrmDupes> m_dupes;
};

}  // namespace tarnwick
