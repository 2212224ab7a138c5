// The terms of use, shown on the first start. The program goes on only when
// the user ticks "Я принимаю условия" and presses OK; the dialog itself
// stores nothing.
#pragma once

#include "dialogs/Dialog.h"
#include "options/ControlBindingList.h"
#include "options/OptionKinds.h"

class AgreementDialog : public Dialog {
public:
    static constexpr UINT templateId = 109;
    static constexpr int textControl = 1092;
    static constexpr int acceptControl = 1091;

    AgreementDialog() = default;

    INT_PTR OnCommand(WPARAM wParam, LPARAM lParam) override;
    INT_PTR OnInitDialog() override;
    void OnDestroy() override;

    // The whole text with the names filled in, as the dialog shows it.
    static WString BuildText(const WString& appName, const WString& firmName);

    ControlBindingList bindings;
    EditOption agreementText;
    // The caller's answer: accepted exactly when the run returned IDOK and
    // this is true.
    CheckBoxOption accepted;
};
