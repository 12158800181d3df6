#pragma once
// The straight bill editor: one form for 标准下料单 (Tfrm_addFeeding) and
// 辅助下料修改 (Tfrm_editFeeding). The computation, the summary and the
// diagram come from the layout engine; saving goes through the bill save of
// the data layer, the same one `guardrailctl bill add` uses.
#include "KeyFilter.h"
#include "data/CraftWork.h"
#include "data/FeedingBill.h"
#include "data/MaterialPicks.h"
#include "data/StraightWork.h"

#include <QDialog>
#include <QMap>
#include <functional>
#include <optional>

struct AppContext;
class DiagramView;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

class FeedingBillForm : public QDialog {
public:
    ~FeedingBillForm() override;

    BillMode mode() const { return m_mode; }
    // Called after a save (edit) or on closing (add): the workspace's
    // loadDetailBill, then its bill click.
    void setWorkspaceRefresh(std::function<void()> refresh) { m_refreshWorkspace = std::move(refresh); }

    // Widgets by name: the DetailBill column they hold ("SuitOrderNum",
    // "Guardraillen", ...) or their role ("handrailPicker", "summaryGrid", ...).
    template <class W> W* widget(const QString& name) const { return findChild<W*>(name); }
    QLineEdit* box(const QString& name) const;

    const StraightWork& work() const { return m_work; }
    // The bill as the boxes, the working models and the last computation give it.
    StraightBill billFromForm() const;
    // Number of bills saved since the window opened.
    int savedBills() const { return m_savedBills; }

    // Actions, named like the buttons and handlers they stand for.
    void BitBtn1Click();   // 保存
    void BitBtn2Click();   // 关闭
    void addCraftClick();
    void editCraftClick();
    void deleteCraftClick();
    void loadCraftGrid();

protected:
    FeedingBillForm(AppContext& ctx, BillMode mode, QWidget* parent);
    // Once, when the window is first shown.
    virtual void firstShow() = 0;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    void loadPickers(bool selectFirst);
    void loadColours();
    void loadBillGrid();
    void loadDefaultParams();
    bool loadStoredBill(int detailBillID);
    // Runs the computation and redraws, reporting a refused input.
    void recomputeAndRedraw();

    AppContext& m_ctx;
    BillMode m_mode;
    StraightWork m_work;

private:
    struct Picker {
        int category;
        QComboBox* combo;
        QLineEdit* filter;
    };

    void buildForm();
    QWidget* buildParameterGroups();
    QWidget* buildLeftSide();
    QWidget* buildDiagramPage();
    QLineEdit* addBox(const QString& name, std::optional<KeyKind> keys);
    void connectTriggers();
    void clearEdits();

    void onNumberEnter(const QString& name);
    void onLengthEnter();
    void onStandpipeRightChanged(const QString& text);
    void onPickerActivated(int category);
    void onFilterEnter(int category);
    void onTypeClicked();
    void applyTypeEnables();
    void readSwitches();
    int currentCraftRow() const;
    void onHandrailPreset(int index);
    void onRemovedColumnCountEnter();
    void onReplacedStandpipeCountEnter();
    void applyAdjustments();
    void showSummary();
    void redraw();
    void focusField(const QString& field);
    void fitGrid(QTableWidget* grid);

    void fillPicker(const Picker& p, const QList<MaterialModel>& models, bool selectFirst);
    void setPickerText(QComboBox* combo, const QString& text);

    bool m_shown = false;
    bool m_loading = false;
    int m_savedBills = 0;
    std::function<void()> m_refreshWorkspace;
    QMap<int, Picker> m_pickers;
    DiagramView* m_diagramView = nullptr;
};

class Tfrm_addFeeding : public FeedingBillForm {
public:
    Tfrm_addFeeding(AppContext& ctx, QWidget* parent = nullptr);

protected:
    void firstShow() override;
};

class Tfrm_editFeeding : public FeedingBillForm {
public:
    Tfrm_editFeeding(AppContext& ctx, int detailBillID, QWidget* parent = nullptr);
    int detailBillID() const { return m_detailBillID; }

protected:
    void firstShow() override;

private:
    int m_detailBillID;
};
