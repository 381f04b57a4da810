/* Dorvane example skin: a Qt style sheet. Copy it to x/o.cjs beside the
   program to try it (see README, "Trying a skin"). */

QWidget {
    background-color: #eef2f7;
    color: #1f2d3d;
}

QPushButton {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #4f8fd8, stop: 1 #2f6db5);
    color: white;
    border: 1px solid #24578f;
    border-radius: 4px;
}
QPushButton:hover {
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #62a0e6, stop: 1 #3a7cc6);
}
QPushButton:pressed {
    background-color: #24578f;
}

QGroupBox {
    border: 1px solid #9fb3c8;
    border-radius: 4px;
    margin-top: 8px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    padding: 0 3px;
}

QLineEdit {
    background-color: white;
    border: 1px solid #9fb3c8;
    border-radius: 3px;
    selection-background-color: #4f8fd8;
}
QLineEdit:read-only {
    background-color: #dde6f0;
}
QLineEdit:focus {
    border: 1px solid #2f6db5;
}

QTabWidget::pane {
    border: 1px solid #9fb3c8;
}
QTabBar::tab {
    background-color: #d5dfea;
    border: 1px solid #9fb3c8;
    border-bottom: none;
    padding: 2px 0;
}
QTabBar::tab:selected {
    background-color: #eef2f7;
}

QMessageBox {
    background-color: #eef2f7;
}
