#pragma once
// The home window: the list of activities as link labels and menus, the
// display-mode status line, and the door to every other window.
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class TSuperLab;
class TWorkshopF;
struct TPlacement;

enum class EWorkshop { Add, Sub, Eclaire, Loup, Quadri, RGB };
inline constexpr int kWorkshopCount = 6;

// The display-mode text and low-colour flag for a screen of `width` x `height`
// pixels at `bitsPerPixel`.
struct TDisplayMode {
    QString text;
    bool lowColour;
};
[[nodiscard]] TDisplayMode DisplayModeFor(int width, int height, int bitsPerPixel);

// The program folder from the executable's path: cut after the last separator
// (or drive colon), one trailing separator removed.
[[nodiscard]] QString ProgramFolderOf(const QString &executablePath);

class TMainF : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainF(QWidget *parent = nullptr);
    ~TMainF() override;

    // Windows made after the main window are handed to it as they are made;
    // their menu items stay greyed out until then.
    void SetWorkshop(EWorkshop kind, TWorkshopF *window);
    void SetOptionsDialog(QDialog *dialog);
    void SetTipWindow(QDialog *dialog);
    void SetBrowserWindow(QDialog *dialog);
    // The splash window, and how it is shown as the About box.
    void SetSplash(QWidget *splash, std::function<void()> showAbout);

    void CheckDisplayMode();
    void ApplyHintSetting();
    void LaunchCalculator();

    [[nodiscard]] TWorkshopF *Workshop(EWorkshop kind) const { return workshops[static_cast<int>(kind)]; }

    // Controls and actions under their layout names.
    QWidget *Client;
    QLabel *Label1;
    std::array<TSuperLab *, 9> LinkLab{}; // LinkLab1 .. LinkLab9 at index 0 .. 8
    QFrame *Panel1;
    QLabel *ModeLab;
    QLabel *WarningLab;
    QTimer *TipTime;
    QTimer *WarningTimer;
    QMenu *Fichier1, *EditionMenu, *OptionsMenu, *AideMenu;
    QAction *AddMenu, *SubMenu, *EclaireMenu, *LoupMenu, *QuadriMenu, *RGBMenu, *BrowserMenu, *QuitMenu;
    QAction *CalcMenu, *ClearMenu, *PreferencesMenu;
    QAction *WinHlpMenu, *TipMenu, *LisezMoiMenu, *WebAuteurMenu, *MailAuteurMenu, *AboutMenu;

public slots:
    void LinkLabClick();
    void TipTimeTimer();
    void WarningTimerTimer();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void BuildMenus();
    void BuildClient();
    void FirstShow();
    void OpenWorkshop(EWorkshop kind);
    void ShowModalOnce(QDialog *dialog);
    void EditionMenuPopup();
    [[nodiscard]] std::array<TPlacement *, 1 + kWorkshopCount> PlacementRecords() const;

    std::array<TWorkshopF *, kWorkshopCount> workshops{};
    std::array<QAction *, kWorkshopCount> workshopMenus{};
    QDialog *optionsDialog = nullptr;
    QDialog *tipWindow = nullptr;
    QDialog *browserWindow = nullptr;
    QWidget *splash = nullptr;
    std::function<void()> showAbout;
    qint64 calculatorPid = 0;
    bool firstShow = true;
};
