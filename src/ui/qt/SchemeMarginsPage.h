#pragma once
// The scheme editor's Margins page: the rectangle the text goes in, and the
// indents of a line's first and continuation lines.
#include <QWidget>

class QSpinBox;

namespace parlevox {

class AnchoredRectEdit;
class CSchemeEditor;

class SchemeMarginsPage final : public QWidget {
    Q_OBJECT

public:
    explicit SchemeMarginsPage(CSchemeEditor& editor, QWidget* parent = nullptr);

    void Load();

private:
    void Edited();

    CSchemeEditor& editor_;
    AnchoredRectEdit* area_;
    QSpinBox* firstIndent_;
    QSpinBox* continuationIndent_;
};

}  // namespace parlevox
