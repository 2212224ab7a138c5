// The option kinds of the program. Each kind is named after the control it
// edits in a dialog; the storage it uses is a template argument, so a check
// box with a default and one without share one kind. Each kind is bound to
// its control through the cell's control hooks (options/BoundKinds.h).
#pragma once

#include "options/BoundKinds.h"
#include "options/OptionValue.h"
#include "options/StoredOption.h"

// A bool; also used unstored (never added to a list, so it has no key).
template <class Storage>
class BasicCheckBoxOption : public BoundCheckBox<Storage> {};

using CheckBoxOption = BasicCheckBoxOption<StoredOption<bool>>;
using DefaultedCheckBoxOption = BasicCheckBoxOption<DefaultedStoredOption<bool>>;

// 0 unchecked, 1 checked, 2 indeterminate. A stored value outside that range
// is kept as it is: it is the value the store holds, and it is written back
// unchanged.
class TriStateOption : public BoundTriState<StoredOption<int>> {};

// The index of the checked button of a group.
class RadioGroupOption : public BoundRadioGroup<DefaultedStoredOption<int>> {};

// A text of a dialog's own; never stored.
class EditOption : public BoundEdit<OptionValue<WString>> {};
