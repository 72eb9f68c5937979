#pragma once

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;
class RisingScrollBar;

// The controls of mirinit's main window, each named as on the form
// ("Frame1", "Option1", "HScroll1"...), placed from the form's twips at the
// screen's dots per inch and widened where a caption would be clipped.
struct Form1Controls
{
    QGroupBox *frame1;
    QRadioButton *option1; // automatic choice
    QRadioButton *option2; // episode by number
    QLineEdit *text3;      // the episode line
    QScrollBar *hScroll1;  // episode number
    QRadioButton *option3; // free text
    QLineEdit *text1;      // the free text
    QScrollBar *hScroll2;  // horizontal offset
    RisingScrollBar *vScroll2; // vertical offset
    QLabel *label5;        // "( h , v )"
    QGroupBox *frame2;
    QLineEdit *text2;      // face name
    QPushButton *command4; // font choice
    QLabel *label3;        // size text
    RisingScrollBar *vScroll1; // size offset
    QPushButton *command1; // run
    QPushButton *command2; // about
    QPushButton *command3; // exit
};

// Creates the controls on form and sizes form to hold them.
Form1Controls buildForm1(QWidget *form);
