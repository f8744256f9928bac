#pragma once
// The scheme editor's Font page: the text font's face, size, smoothing and
// the face to fall back on.
#include <QWidget>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace parlevox {

class CSchemeEditor;

class SchemeFontPage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinSize = 6;
    static constexpr int kMaxSize = 96;

    explicit SchemeFontPage(CSchemeEditor& editor, QWidget* parent = nullptr);

    void Load();

private:
    CSchemeEditor& editor_;
    QComboBox* face_;
    QSpinBox* size_;
    QCheckBox* smooth_;
    QComboBox* fallback_;
};

}  // namespace parlevox
