#include "app/StyleSheet.h"

namespace tolvane {

QString styleSheet() {
    return QStringLiteral(R"(
QWidget { font-size: 10.5pt; color: #1c1e21; }
#window, #tabShell, #navigationContent { background: #f2f3f5; }

#navigationBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2f8f6d, stop:1 #23735a);
                 border-bottom: 1px solid #1c5c48; }
#navigationTitle { color: white; font-size: 12.5pt; font-weight: 600; }
#navigationTitle[long="true"] { font-size: 10.5pt; }
#navigationBar QToolButton { color: white; font-size: 10.5pt; border: none; padding: 4px 6px;
                             border-radius: 6px; }
#navigationBar QToolButton:pressed { background: rgba(255, 255, 255, 0.18); }
QToolButton:focus { background: #d8ece4; border-radius: 6px; }
#navigationBar QToolButton:focus { background: rgba(255, 255, 255, 0.3); }
#navigationBar QToolButton[quietFocus="true"]:focus { background: transparent; }

#tabBar { background: #fbfbfc; border-top: 1px solid #d3d6db; }
#tabBar QToolButton { border: none; color: #7a7f87; font-size: 7.5pt; padding-top: 3px; }
#tabBar QToolButton:checked { color: #23735a; font-weight: 600; }
#tabBar QToolButton:focus { background: #d8ece4; border-radius: 0; }
#tabBar QToolButton[quietFocus="true"]:focus { background: transparent; }

#groupedTable, #groupedPage, #GDAInfoWidget, #PlaceholderWidget { background: #f2f3f5; }
#sectionHeader { color: #6d7178; font-size: 9pt; font-weight: 600; padding: 0 6px 6px 6px; }
#tableGroup { background: white; border: 1px solid #dfe1e5; border-radius: 10px; }
#tableRow { background: transparent; border-bottom: 1px solid #eceef1; }
#tableRow[last="true"] { border-bottom: none; }
#tableRow[pressed="true"], #tableRow:focus { background: #e6f2ee; }
#rowDetail { color: #6d7178; }
#disclosure { color: #b0b4ba; font-size: 16pt; padding-bottom: 3px; }
#infoButton { border: none; background: transparent; }
#contactText { color: #41454b; }
#primaryButton { background: #23735a; color: white; border: 2px solid #23735a;
                 border-radius: 8px; padding: 7px; font-weight: 600; margin-top: 8px; }
#primaryButton:focus { border-color: #9be0c3; }
#primaryButton:pressed { background: #1c5c48; }
#placeholderTitle { color: #6d7178; font-size: 12.5pt; }

QTextBrowser#helpBrowser { background: white; border: none; padding: 4px; font-size: 9.5pt; }
QTextBrowser#helpBrowser[transparent="true"] { background: rgba(255, 255, 255, 0.88); margin: 8px;
                                               border-radius: 10px; }
QDialog#alert { background: #fbfbfc; border: 1px solid #b9bdc3; border-radius: 12px; }
#alertTitle { font-size: 11.5pt; font-weight: 600; }
#alertMessage, #alertMessageArea, #alertMessageArea > QWidget > QWidget { background: transparent; }
QPushButton#alertButton { background: #eef0f2; color: #1c5c48; border: 1px solid #d3d6db;
                          border-radius: 8px; padding: 7px 8px; font-weight: 600; }
QPushButton#alertButton:pressed { background: #d8ece4; }
QPushButton#alertButton:focus { border-color: #23735a; }
QScrollBar:vertical { width: 6px; background: transparent; }
QScrollBar::handle:vertical { background: #c3c7cd; border-radius: 3px; min-height: 24px; }
QScrollBar::add-line, QScrollBar::sub-line { height: 0; }
)");
}

} // namespace tolvane
