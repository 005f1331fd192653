#include "Program.h"

#include "app/TForm1.h"
#include "capture/CapturePage.h"
#include "capture/TfrmDupes.h"
#include "capture/TfrmSearchOptions.h"
#include "maintenance/TfrmDataFile.h"
#include "maintenance/TfrmPurvex.h"
#include "maintenance/TfrmSonabel.h"
#include "score/ScorePage.h"

namespace tarnwick {

Program::Program(Engine &engine)
{
    m_form1 = std::make_unique<TForm1>(engine);
    QWidget *owner = m_form1.get();
    ProgramState &state = m_form1->state();
    ScorePage *scorePage = m_form1->scorePage();
    m_sonabel = std::make_unique<TfrmSonabel>(state, owner);
    m_purvex = std::make_unique<TfrmPurvex>(state, [scorePage] { return scorePage->categoryOfDownButton(); }, owner);
    m_searchOptions = std::make_unique<TfrmSearchOptions>(state, owner);
    m_dataFile = std::make_unique<TfrmDataFile>(owner);
    m_dupes = std::make_unique<TfrmDupes>(state, owner);
    scorePage->setDialogs(m_purvex.get(), m_sonabel.get(), m_dataFile.get());
    m_form1->capturePage()->setDialogs(m_searchOptions.get(), m_dupes.get());
    m_form1->setDialogs({m_dataFile.get(), m_searchOptions.get(), m_sonabel.get(), m_purvex.get(), m_dupes.get()});
}

Program::~Program()
{
    m_form1->scorePage()->setDialogs(nullptr, nullptr, nullptr);
    m_form1->capturePage()->setDialogs(nullptr, nullptr);
    m_form1->setDialogs({});
    m_dupes.reset();
    m_dataFile.reset();
    m_searchOptions.reset();
    m_purvex.reset();
    m_sonabel.reset();
    m_form1.reset();
}

}  // namespace tarnwick
