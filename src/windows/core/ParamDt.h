#pragma once

#include "windows/core/ChildWindow.h"

#include <array>

class QLineEdit;
class QPushButton;

// The connection parameters: user names and passwords of the portals, the mail server, the
// two e-mail addresses and the employer's name, stored in table Param and used at once; and
// the account of the web-services API, stored in table ApiLogin.
class ParamDt : public ChildWindow {
    Q_OBJECT
public:
    explicit ParamDt(QWidget* parent = nullptr);

private:
    void save();

    std::array<QLineEdit*, 8> m_fields{};
    std::array<QLineEdit*, 2> m_api{}; // the web-services API's user and password
    QPushButton* m_saveBut;
    QPushButton* m_exitBut;
};
