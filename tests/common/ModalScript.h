// Plays a user's actions into a modal dialog: each step is a Win32 call made
// from a thread timer while the dialog's own loop runs, one step per tick,
// the way another program would act on the dialog. A dialog still open when
// the steps have run out is a failure, and is ended with `stalled` so the
// test never hangs.
#pragma once

#include "Platform.h"
#include "app/InserterApp.h"
#include "dialogs/Dialog.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

class ModalScript {
public:
    using Step = std::function<void()>;
    static constexpr INT_PTR stalled = -2;

    // Runs `dialog` modally on `templateId` while the steps are played.
    static INT_PTR Run(Dialog& dialog, UINT templateId, std::deque<Step> steps) {
        ModalScript script(dialog, std::move(steps));
        current = &script;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, Tick);
        const INT_PTR result = dialog.ShowModal(templateId, nullptr);
        KillTimer(nullptr, timer);
        current = nullptr;
        EXPECT_TRUE(script.steps.empty()) << script.steps.size() << " step(s) left when the dialog ended";
        return result;
    }

private:
    ModalScript(Dialog& shown, std::deque<Step> actions) : dialog(shown), steps(std::move(actions)) {}

    static void CALLBACK Tick(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
        if (current == nullptr || current->running) return;
        ModalScript& script = *current;
        script.running = true;
        if (!script.steps.empty()) {
            Step step = std::move(script.steps.front());
            script.steps.pop_front();
            step();
        } else if (!script.gaveUp) {
            script.gaveUp = true;
            ADD_FAILURE() << "the dialog is still open after the last step";
            EndDialog(script.dialog.Handle(), stalled);
        }
        script.running = false;
    }

    static inline ModalScript* current = nullptr;
    Dialog& dialog;
    std::deque<Step> steps;
    bool running = false;
    bool gaveUp = false;
};

// The program's dialogs load their templates and icons from the module the
// application object names; the start-up sequence fills it in, a test does
// it here.
inline void UseProgramModule() {
    TheApp().instance = GetModuleHandleW(nullptr);
}

// A modeless test dialog that destroys its window before the object dies, so
// the window's last messages never reach a dead object.
template <class D>
class Modeless : public D {
public:
    using D::D;
    ~Modeless() override {
        if (this->Handle() != nullptr && IsWindow(this->Handle())) DestroyWindow(this->Handle());
    }
};
