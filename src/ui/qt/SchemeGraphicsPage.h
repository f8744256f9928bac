#pragma once
// The scheme editor's Graphics page: the images, fade boxes and hot spots
// in draw order (the last row shows on top), buttons to add, remove and
// reorder them, and the chosen one's rectangle and details: an image's
// picture, a fade box's opacity and colour, a hot spot's three pictures,
// three sounds and its action.
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace parlevox {

class AnchoredRectEdit;
class CSchemeEditor;
class ColourSwatch;

class SchemeGraphicsPage final : public QWidget {
    Q_OBJECT

public:
    explicit SchemeGraphicsPage(CSchemeEditor& editor, QWidget* parent = nullptr);

    // Refills the list and the chosen row's details from the working copy.
    void Load();
    QListWidget& List() const { return *list_; }

private:
    QWidget* MakeListButtons();
    QWidget* MakeImagePanel();
    QWidget* MakeFadeboxPanel();
    QWidget* MakeHotspotPanel();
    QWidget* MakeHotspotSounds();
    void FillList(int row);
    void ShowDetails();
    void ShowHotspot(int row);
    void Add(int row);
    void Remove();
    void Move(int row);
    void ActionEdited();
    int Row() const;

    CSchemeEditor& editor_;
    QListWidget* list_;
    QPushButton* remove_;
    QPushButton* up_;
    QPushButton* down_;
    AnchoredRectEdit* rect_;
    QStackedWidget* details_;
    QLabel* imageSize_;
    QSpinBox* opacity_;
    ColourSwatch* fadeColour_;
    std::array<QLabel*, 3> lookSizes_{};
    std::array<QLabel*, 3> soundNames_{};
    std::array<QPushButton*, 3> noSound_{};
    QComboBox* actionKind_;
    QLineEdit* actionText_;
};

}  // namespace parlevox
