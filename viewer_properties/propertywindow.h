#pragma once

#include "propertystate.h"
#include "propertyvalues.h"

#include "shared/datalink.h"
#include "widgets/drawingsurface.h" // tabstrip.h needs the whole class
#include "widgets/tabstrip.h"

#include <QDialog>

class AboutPage;
class ContentPage;
class DrawingSurface;
class IntervalPage;
class MethodPage;
class QLineEdit;
class QPushButton;
class TabPages;

// The property window of the quote viewer, Form1 "ヴェルモのプロパティ":
// four tabbed pages over the viewer's five settings and mirwin.ini, with
// OK, キャンセル and ヘルプ under them. OK saves and tells the running viewer
// through the published item ok2 ("OK"); every way the window closes
// publishes "end".
class PropertyWindow : public QDialog
{
    Q_OBJECT
public:
    explicit PropertyWindow(const PropertyServices &services, QWidget *parent = nullptr);
    ~PropertyWindow() override;

    const PropertyState &state() const { return m_state; }

    // The content page is still reading a quote file.
    bool isReading() const;

public slots:
    void done(int result) override;

signals:
    // OK saved, and no viewer follows ok2: one started from the menu may
    // run all the same and is to be told by other means.
    void savedUnheard();

private:
    void buildForm();
    void buildButtons();
    void setFocusOrder();
    void load();
    void checkPresence();
    QString mirwinPath() const;
    void loadSettingsFiles();
    void confirm();
    PropertyValues::SaveOutcome ok();
    void showHelp();

    PropertyServices m_services;
    PropertyState m_state;
    TabStrip m_strip;
    DataLinkSource m_link;
    bool m_unloaded = false;
    bool m_linkFollowed = false; // a viewer linked to ok2

    DrawingSurface *m_tabSurface = nullptr; // picTab
    ContentPage *m_content = nullptr;       // fraTabSheet(0)
    MethodPage *m_method = nullptr;         // fraTabSheet(1)
    IntervalPage *m_interval = nullptr;     // fraTabSheet(2)
    AboutPage *m_about = nullptr;           // fraTabSheet(3)
    TabPages *m_pages = nullptr;
    QPushButton *m_ok = nullptr;            // Command1
    QPushButton *m_cancel = nullptr;        // Command2
    QPushButton *m_help = nullptr;          // Command3
    QLineEdit *m_published = nullptr;       // ok2
};
