#include "quiz/StatForm.h"

#include "core/WindowServices.h"
#include "core/state/Global.h"
#include "platform/window/Controls.h"
#include "platform/window/MenuClient.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <charconv>
#include <cstdint>

float SuccessPercentage(long correct, long tries)
{
    if (correct == 0 || tries == 0)
        return 0.0f;
    const float quotient = static_cast<float>(correct) / static_cast<float>(tries);
    const float percentage = quotient * 100.0f;
    return percentage;
}

QString PercentageText(float percentage)
{
    // A single carries seven significant digits: round that decimal form, not
    // the binary one, so that 6.25 shows as 6.3 and never as 6.2.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(percentage),
                                      std::chars_format::scientific, 6);
    const std::string text(buffer, result.ptr);
    const bool negative = text.front() == '-';
    const std::string body = negative ? text.substr(1) : text;
    const std::size_t e = body.find('e');
    std::string digits = body.substr(0, e);
    digits.erase(1, 1); // the decimal point after the first digit
    const int exponent = std::stoi(body.substr(e + 1));
    // value = digits x 10^(exponent - 6); tenths = digits x 10^(exponent - 5)
    std::int64_t mantissa = std::stoll(digits);
    std::int64_t tenths = 0;
    const int shift = exponent - 5;
    if (shift >= 0) {
        tenths = mantissa;
        for (int i = 0; i < shift; ++i)
            tenths *= 10;
    } else if (shift > -18) {
        std::int64_t divisor = 1;
        for (int i = 0; i < -shift; ++i)
            divisor *= 10;
        tenths = mantissa / divisor;
        if (2 * (mantissa % divisor) >= divisor)
            ++tenths;
    }
    QString shown = QStringLiteral("%1.%2%").arg(tenths / 10).arg(tenths % 10);
    if (negative && tenths != 0)
        shown.prepend(QLatin1Char('-'));
    return shown;
}

QString Verdict(float percentage)
{
    if (percentage < 40)
        return QStringLiteral("Do Not Leave Shore");
    if (percentage < 60)
        return QStringLiteral("A Fair Effort");
    if (percentage < 80)
        return QStringLiteral("A Good Effort");
    if (percentage < 100)
        return QStringLiteral("A Very Good Effort");
    return QStringLiteral("A Yachtmaster");
}

StatForm::StatForm() : Form(QStringLiteral("Statistics For This Session"), 10000, true) {}

void StatForm::CreateControls()
{
    const MenuClient parts = CreateMenuClient(*this, {QStringLiteral("&File")}, 4455, 2310);

    static const char *const headings[] = {"Number Of Tries", "Correct Answers", "Percentage Success", "Comment"};
    for (int i = 0; i < 4; ++i) {
        Slabel[i] = new QLabel(QString::fromLatin1(headings[i]), parts.client);
        PlaceControl(*Slabel[i], 120, 240 + 360 * i, 2000, 255);
        Slabel[i + 4] = new QLabel(QStringLiteral("0"), parts.client);
        PlaceControl(*Slabel[i + 4], 2280, 240 + 360 * i, 1995, 255);
    }

    Action[0] = new QPushButton(QStringLiteral("&Start Again"), parts.client);
    PlaceControl(*Action[0], 2280, 1800, 1215, 375);
    Action[1] = new QPushButton(QStringLiteral("&Ok"), parts.client);
    PlaceControl(*Action[1], 120, 1800, 1215, 375);
    setTabOrder(Action[0], Action[1]);
    SetDefaultButton(Action[0]);
    SetCancelButton(Action[1]);
    for (int i = 0; i < 2; ++i)
        connect(Action[i], &QPushButton::clicked, this, [this, i] { Action_Click(i); });

    Fmenu[0] = parts.menus[0]->addAction(QStringLiteral("&Quit"));
    connect(Fmenu[0], &QAction::triggered, this, [this] { Fmenu_Click(0); });
}

void StatForm::Form_Load()
{
    CentreForm(*this);
    ShowStats();
}

void StatForm::ShowStats()
{
    Slabel[4]->setText(QString::number(TryCount));
    Slabel[5]->setText(QString::number(CorrectCount));
    const float percentage = SuccessPercentage(CorrectCount, TryCount);
    Slabel[6]->setText(PercentageText(percentage));
    Slabel[7]->setText(Verdict(percentage));
    Response = 2;
}

void StatForm::Action_Click(int Index)
{
    if (Index == 0)
        Response = 6;
    Unload();
}

void StatForm::Fmenu_Click(int Index)
{
    if (Index == 0)
        Unload();
}

void StatForm::Form_Unload()
{
    TryCount = 0;
    CorrectCount = 0;
}
