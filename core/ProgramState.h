#pragma once
// Program-wide state that the main window owns and its pages and dialogs share.
#include "TextLines.h"

#include <array>

namespace tarnwick {

// LanguageIndex: 1 English, 2 French, 3 German, 4 Italian, 5 Spanish.
inline constexpr int kLanguageCount = 5;

// The language the user chose, and the one the last catalogue writer used.
inline int CurrentLanguage = 1;
inline int CatalogueLanguage = 1;

struct DuplicateSearchOptions {
    bool ForenameCheck = true;
    int ForenameThreshold = 70;
    bool SurnameCheck = true;
    int SurnameThreshold = 70;
    bool CompanyCheck = true;
    int CompanyThreshold = 70;
};

enum ScoreIndex { InitialDataScore = 0, PostPurvexScore = 1, PostSonabelScore = 2 };

struct ProgramState {
    int EngineLanguage = 0;  // written only by the language timer
    TextLines DemoLines;
    TextLines CategoryLines;
    TextLines ScoreFileLines;
    TextLines CurrentRecord;
    std::array<int, 3> TargetScores{};
    std::array<int, 3> ShownScores{};
    DuplicateSearchOptions SearchOptions;
    int DupesOutcome = 0;
    int LastContactId = 0;
};

}  // namespace tarnwick
