// The wording of the terms of use. The layout is fixed: two title lines
// indented by six spaces, a line of four spaces, five numbered clauses (each
// " N." and one line ending in CR LF, the first followed by an empty line),
// the thank-you line and the signature far to the right. The names stand as
// placeholders and are filled in when the text is built.
#include "dialogs/AgreementDialog.h"

namespace {

const WCHAR* const pieces[] = {
    TEXT("      Программа *app*\r\n"),
    TEXT("      Условия использования и распространения\r\n"),
    TEXT("    \r\n"),
    TEXT(" 1. Все права на программу *app* принадлежат её автору, фирме *firm*.\r\n\r\n"),
    TEXT(" 2. Автор вправе отозвать разрешение на использование любой последующей версии программы *app*.\r\n"),
    TEXT(" 3. ПРОГРАММА *APP* ПРЕДОСТАВЛЯЕТСЯ «КАК ЕСТЬ», БЕЗ КАКИХ-ЛИБО ГАРАНТИЙ. АВТОР НЕ ОТВЕЧАЕТ "
         "ЗА ЛЮБОЙ УЩЕРБ, ПРЯМОЙ ИЛИ КОСВЕННЫЙ, ПОНЕСЁННЫЙ ПРИ ЕЁ ИСПОЛЬЗОВАНИИ ИЛИ НЕВОЗМОЖНОСТИ ЕЁ "
         "ИСПОЛЬЗОВАТЬ.\r\n"),
    TEXT(" 4. Запрещается использовать, копировать, изменять и распространять программу иначе, чем "
         "разрешено этими условиями.\r\n"),
    TEXT(" 5. Если вы не принимаете эти условия, удалите программу *app* со своего компьютера и "
         "прекратите пользоваться программой *app*.\r\n"),
    TEXT("    Спасибо, что выбрали *app*!\r\n\r\n"),
    TEXT("                                                 *firm*"),
};

void Fill(WCHAR** text, LPCWSTR placeholder, const WString& name) {
    ReplaceAll(text, placeholder, name.IsSet() ? name.Buffer() : TEXT(""));
}

}  // namespace

WString AgreementDialog::BuildText(const WString& appName, const WString& firmName) {
    WString joined(pieces[0]);
    for (size_t i = 1; i < sizeof(pieces) / sizeof(pieces[0]); ++i) joined += pieces[i];

    WCHAR* text = HeapTextCopy(joined.Buffer());
    if (text == nullptr) return WString();
    Fill(&text, TEXT("*app*"), appName);
    // Where the clause in capitals names the program, the name stands as it
    // is, not in capitals.
    Fill(&text, TEXT("*APP*"), appName);
    Fill(&text, TEXT("*firm*"), firmName);
    WString result(text);
    HeapTextFree(text);
    return result;
}
