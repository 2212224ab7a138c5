// The story harness itself: steps run inside the program's loop, one at a
// time, and a step can act inside a modal state an earlier step opened.
#include "app/InserterApp.h"
#include "app/ProgramEntry.h"
#include "scenario/Story.h"

namespace {

using StoryHarnessTest = StoryTest;

TEST_F(StoryHarnessTest, StepsRunInOrderInsideTheProgramsLoopAndNestInModalStates) {
    std::vector<int> order;
    int answer = 0;
    story::Then([&] {
        order.push_back(1);
        // The next step runs while this box waits for its answer.
        answer = MessageBoxW(nullptr, TEXT("Продолжить?"), TEXT("Проверка"), MB_OKCANCEL | MB_ICONQUESTION);
        order.push_back(3);
    });
    story::Then([&] {
        order.push_back(2);
        EXPECT_EQ(story::MessageBoxText(u"Проверка"), u"Продолжить?");
        story::AnswerMessageBox(u"Проверка", IDCANCEL);
    });
    story::Then([&] {
        order.push_back(4);
        TheApp().Exit();
    });

    EXPECT_EQ(RunProgram(TheApp()), kExitNormal);

    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(answer, IDCANCEL);
}

}  // namespace
