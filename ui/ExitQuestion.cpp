#include "ui/ExitQuestion.h"

#include "ui/Seam.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {

Seam<bool(QWidget*)>& currentQuestion()
{
    static Seam<bool(QWidget*)> question(showExitQuestion);
    return question;
}

} // namespace

QString exitQuestionText()
{
    return QStringLiteral("Вы действительно хотите") + QStringLiteral("\n\r") +
           QStringLiteral("выйти из программы?");
}

void prepareExitQuestion(QMessageBox& box)
{
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QStringLiteral("Warning"));
    box.setText(exitQuestionText());
    box.setTextFormat(Qt::PlainText);
    // The button box orders buttons of different roles by the desktop's convention, which may put OK
    // first; buttons of one role keep the order they were added in, so No stays left of OK everywhere.
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::ActionRole);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::ActionRole);
    no->setObjectName(QStringLiteral("No"));
    ok->setObjectName(QStringLiteral("OK"));
    box.setEscapeButton(no);
    box.setDefaultButton(ok);
    // Focus after marking the default: an auto-default button that takes the focus answers Enter.
    no->setFocus();
}

bool showExitQuestion(QWidget* parent)
{
    QMessageBox box(parent);
    prepareExitQuestion(box);
    box.exec();
    return box.clickedButton() && box.clickedButton()->objectName() == QStringLiteral("OK");
}

ExitQuestion setExitQuestion(ExitQuestion question)
{
    return currentQuestion().replace(std::move(question));
}

bool askExitQuestion(QWidget* parent)
{
    return currentQuestion()(parent);
}

} // namespace ui
