#pragma once
// The extraction worker. It only sequences the steps (ExtractSequence) and
// hands each to the user-interface thread; the steps open the volumes, copy
// the data, ask for missing volumes and move the progress bar.
#include "ExtractSequence.h"
#include "Thread.h"

#include <memory>

class TExtractForm;
class TExtraction;

class TExtractThread : public TThread {
public:
    explicit TExtractThread(TExtractForm& Form);
    ~TExtractThread() override;

protected:
    void Execute() override;

private:
    // Runs Step on the user-interface thread. An error there is shown in
    // the error box and closes the dialog with Cancel; the body then ends.
    void RunStep(const std::function<void()>& Step);

    TExtractForm& Form;
    std::unique_ptr<TExtraction> Work;
};
