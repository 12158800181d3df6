#include "BaseDataFixture.h"

#include "data/BaseData.h"
#include "ui/Screenshot.h"
#include "ui/basedata/BindingPartsDialogs.h"
#include "ui/basedata/Tfrm_Parts.h"
#include "ui/basedata/Tfrm_color.h"
#include "ui/basedata/Tfrm_craftwork.h"
#include "ui/basedata/Tfrm_mainmaterial.h"

#include <QFileInfo>
#include <QImage>

class BaseDataScreenshot : public BaseDataWindowTest {
protected:
    void expectPicture(const QString& path)
    {
        const QImage image(path);
        EXPECT_FALSE(image.isNull()) << path.toStdString();
    }
};

TEST_P(BaseDataScreenshot, WindowsAndBindingDialog)
{
    if (GetParam() != Backend::Sqlite)
        GTEST_SKIP() << "one set of pictures is enough";

    Tfrm_mainmaterial materials(*ctx);
    ASSERT_TRUE(clickNode(materials.categoryTree(), 11));
    const MainMaterial model = materials.materials().first();
    ASSERT_TRUE(bindParts(*dm, model.mainmaterialID, {1, 2}).ok());
    materials.searchClick();
    ASSERT_EQ(materials.bindings().size(), 2);
    expectPicture(saveScreenshot(&materials, "basedata-mainmaterial"));

    Tfrm_bindingParts binding(*ctx, model);
    ASSERT_TRUE(clickNode(binding.typeTree(), 2));
    expectPicture(saveScreenshot(&binding, "basedata-bindingparts", QSize(860, 480)));

    Tfrm_Parts parts(*ctx);
    ASSERT_TRUE(clickNode(parts.typeTree(), 1));
    expectPicture(saveScreenshot(&parts, "basedata-parts"));

    Tfrm_color colours(*ctx);
    expectPicture(saveScreenshot(&colours, "basedata-color", QSize(640, 420)));

    Tfrm_craftwork crafts(*ctx);
    expectPicture(saveScreenshot(&crafts, "basedata-craftwork", QSize(720, 420)));
}

INSTANTIATE_DB_TEST(BaseDataScreenshot);
