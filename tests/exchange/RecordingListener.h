// Records what a catalogue update shows, and the alerts that end a run, for tests.
#pragma once

#include "exchange/CatalogueUpdateListener.h"

#include <optional>
#include <vector>

namespace tolvane::test {

struct ProgressCall {
    int stored, total, page, pages;
    friend bool operator==(const ProgressCall&, const ProgressCall&) = default;
};

class RecordingListener : public CatalogueUpdateListener {
public:
    void showProgress(bool shown) override { progressShown = shown; }
    void endSearch() override { ++searchesEnded; }
    void rebuildList() override { ++rebuilds; }
    void progress(int stored, int total, int page, int pages) override {
        progressCalls.push_back({stored, total, page, pages});
    }
    void updateFinished(UpdateOutcome o) override { outcome = o; }

    void reset() {
        outcome.reset();
        progressCalls.clear();
        rebuilds = 0;
    }

    bool progressShown = false;
    int searchesEnded = 0;
    int rebuilds = 0;
    std::vector<ProgressCall> progressCalls;
    std::optional<UpdateOutcome> outcome;
};

// The alerts that end a run.
inline const char* interruptedMessage =
    "Die Datenverbindung wurde unterbrochen und der Download "
    "angehalten. Bitte synchronisieren Sie erneut für alle Produkte";
inline const char* offlineMessage = "Keine Datenverbindung verfügbar";
inline const char* noAnswerMessage =
    "Der Produktserver antwortet nicht. Bitte versuchen Sie es später erneut.";
inline const char* diskFullMessage = "Nicht genügend freier Speicherplatz: Der Download wurde "
                                     "angehalten. Bitte geben Sie Speicherplatz frei und "
                                     "synchronisieren Sie erneut.";
inline const char* readOnlyMessage = "Die Datenbank ist schreibgeschützt: Der Download wurde "
                                     "angehalten. Tolvane kann Neues erst speichern, wenn Datei "
                                     "und Ordner beschreibbar sind.";
inline const char* unreadableMessage = "Die Antwort des Servers konnte nicht gelesen werden. Bitte "
                                       "versuchen Sie es später erneut.";

} // namespace tolvane::test
