// The second level of the application object: the start-up sequence's frame.
#pragma once

#include "app/AppBase.h"

class SingleInstanceApp : public AppBase {
public:
    SingleInstanceApp();
    ~SingleInstanceApp() override;

    bool Exit() override;
    virtual bool InitInstance();

    bool singleInstance = true;
    // 0 normal, 1 minimised, 2 as the window was left.
    TriStateOption startMinimize;
    CheckBoxOption closeMinimize;
};
