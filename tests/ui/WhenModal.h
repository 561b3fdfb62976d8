#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace folidex::test {

// Lets `answer` handle the modal window of type W that the next call opens.
template <typename W>
void WhenModal(std::function<void(W*)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    QVERIFY(window);
    answer(window);
  });
}

}  // namespace folidex::test
