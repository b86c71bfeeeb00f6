// Style sets, the style registry, icons and the application style.

#include <gtest/gtest.h>

#include "Brushes/SlateImageBrush.h"
#include "Brushes/SlateNoResource.h"
#include "Framework/Application/SlateApplication.h"
#include "Layout/Visibility.h"
#include "Styling/AppStyle.h"
#include "Styling/CoreStyle.h"
#include "Styling/SlateStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Textures/SlateIcon.h"

namespace
{
	const FName TestStyleName(TEXT("StandInTestStyle"));

	class StyleTest : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			Style = MakeShared<FSlateStyleSet>(TestStyleName);
			Style->SetContentRoot(TEXT("/Plugins/Thing/Resources"));
			Style->Set(TEXT("Thing.Icon"), new FSlateImageBrush(Style->RootToContentDir(TEXT("Icon128"), TEXT(".png")), FVector2D(40.0, 40.0)));
			Style->Set(TEXT("Thing.Icon.Small"), new FSlateImageBrush(Style->RootToContentDir(TEXT("Icon128"), TEXT(".png")), FVector2D(16.0, 16.0)));
			FSlateStyleRegistry::RegisterSlateStyle(*Style);
		}

		virtual void TearDown() override
		{
			if (FSlateStyleRegistry::FindSlateStyle(TestStyleName))
			{
				FSlateStyleRegistry::UnRegisterSlateStyle(TestStyleName);
			}
			Style.Reset();
		}

		TSharedPtr<FSlateStyleSet> Style;
	};
}

TEST_F(StyleTest, RegisteredStyleIsFoundByNameUntilUnregistered)
{
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(TestStyleName), Style.Get());
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(FName(TEXT("standintESTstyle"))), Style.Get());
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(FName(TEXT("NoSuchStyle"))), nullptr);

	FSlateStyleRegistry::UnRegisterSlateStyle(*Style);
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(TestStyleName), nullptr);
}

TEST_F(StyleTest, BrushesKeepTheirImageAndSizeAndSetReplaces)
{
	const FSlateBrush* Brush = Style->GetBrush(TEXT("Thing.Icon"));
	ASSERT_NE(Brush, nullptr);
	EXPECT_EQ(Brush->GetResourceName().ToString(), TEXT("/Plugins/Thing/Resources/Icon128.png"));
	EXPECT_EQ(Brush->GetImageSize(), FVector2D(40.0, 40.0));
	EXPECT_EQ(Brush->GetDrawType(), ESlateBrushDrawType::Image);

	Style->Set(TEXT("Thing.Icon"), new FSlateVectorImageBrush(TEXT("/Other.svg"), FVector2D(20.0, 20.0)));
	const FSlateBrush* Replaced = Style->GetBrush(TEXT("Thing.Icon"));
	EXPECT_EQ(Replaced->GetResourceName().ToString(), TEXT("/Other.svg"));
	EXPECT_EQ(Replaced->GetImageType(), ESlateBrushImageType::Vector);

	// The specifier is appended to the name.
	EXPECT_EQ(Style->GetBrush(TEXT("Thing.Icon"), ".Small")->GetImageSize(), FVector2D(16.0, 16.0));
}

TEST_F(StyleTest, MissingBrushGivesTheDefaultBrushButOptionalLookupGivesTheCallersDefault)
{
	const FSlateBrush* Missing = Style->GetBrush(TEXT("No.Such.Brush"));
	EXPECT_EQ(Missing, Style->GetDefaultBrush());
	EXPECT_NE(Missing, nullptr);

	FSlateNoResource Fallback;
	EXPECT_EQ(Style->GetOptionalBrush(TEXT("No.Such.Brush"), nullptr, &Fallback), &Fallback);
	EXPECT_EQ(Style->GetOptionalBrush(TEXT("No.Such.Brush"))->GetDrawType(), ESlateBrushDrawType::NoDrawType);
}

TEST_F(StyleTest, IconResolvesThroughTheRegistry)
{
	const FSlateIcon Icon(TestStyleName, TEXT("Thing.Icon"));
	EXPECT_TRUE(Icon.IsSet());
	EXPECT_EQ(Icon.GetStyleSet(), Style.Get());
	EXPECT_EQ(Icon.GetIcon(), Style->GetBrush(TEXT("Thing.Icon")));
	// No small style name given: the style name with ".Small".
	EXPECT_EQ(Icon.GetSmallStyleName(), FName(TEXT("Thing.Icon.Small")));
	EXPECT_EQ(Icon.GetSmallIcon()->GetImageSize(), FVector2D(16.0, 16.0));

	FSlateStyleRegistry::UnRegisterSlateStyle(TestStyleName);
	EXPECT_EQ(Icon.GetStyleSet(), nullptr);
	EXPECT_EQ(Icon.GetIcon()->GetDrawType(), ESlateBrushDrawType::NoDrawType);
}

TEST_F(StyleTest, UnsetIconHasNoStyleAndDrawsNothing)
{
	const FSlateIcon Unset;
	EXPECT_FALSE(Unset.IsSet());
	EXPECT_EQ(Unset.GetStyleSet(), nullptr);
	EXPECT_EQ(Unset.GetIcon()->GetDrawType(), ESlateBrushDrawType::NoDrawType);
	EXPECT_NE(Unset, FSlateIcon(TestStyleName, TEXT("Thing.Icon")));
	EXPECT_EQ(FSlateIcon(TestStyleName, TEXT("Thing.Icon")), FSlateIcon(TestStyleName, TEXT("Thing.Icon")));
}

TEST_F(StyleTest, ContentPathsJoinRootAndRelativePath)
{
	EXPECT_EQ(Style->RootToContentDir(TEXT("Sub/Image"), TEXT(".svg")), TEXT("/Plugins/Thing/Resources/Sub/Image.svg"));
	EXPECT_EQ(Style->RootToContentDir(FString(TEXT("Image.png"))), TEXT("/Plugins/Thing/Resources/Image.png"));
	Style->SetContentRoot(TEXT("Root/"));
	EXPECT_EQ(Style->RootToContentDir(TEXT("Image"), TEXT(".png")), TEXT("Root/Image.png"));
}

TEST(AppStyleTest, TheApplicationStyleIsRegisteredWhileSlateIsUp)
{
	ASSERT_FALSE(FSlateApplication::IsInitialized());
	EXPECT_EQ(FAppStyle::GetAppStyleSetName(), FName(TEXT("CoreStyle")));
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(FAppStyle::GetAppStyleSetName()), nullptr);

	FSlateApplication::Create();
	EXPECT_TRUE(FSlateApplication::IsInitialized());
	EXPECT_EQ(&FAppStyle::Get(), &FCoreStyle::Get());
	EXPECT_EQ(FAppStyle::Get().GetStyleSetName(), FAppStyle::GetAppStyleSetName());
	EXPECT_NE(FAppStyle::Get().GetOptionalBrush(TEXT("Icons.Warning"), nullptr, nullptr), nullptr);

	FSlateApplication::Shutdown();
	EXPECT_FALSE(FSlateApplication::IsInitialized());
	EXPECT_EQ(FSlateStyleRegistry::FindSlateStyle(TEXT("CoreStyle")), nullptr);
}

TEST(VisibilityTest, FlagsMatchTheNamedVisibilities)
{
	EXPECT_TRUE(EVisibility::Visible.IsVisible());
	EXPECT_TRUE(EVisibility::Visible.IsHitTestVisible());
	EXPECT_FALSE(EVisibility::Hidden.IsVisible());
	EXPECT_FALSE(EVisibility::Collapsed.IsVisible());
	EXPECT_TRUE(EVisibility::HitTestInvisible.IsVisible());
	EXPECT_FALSE(EVisibility::HitTestInvisible.IsHitTestVisible());
	EXPECT_FALSE(EVisibility::HitTestInvisible.AreChildrenHitTestVisible());
	EXPECT_FALSE(EVisibility::SelfHitTestInvisible.IsHitTestVisible());
	EXPECT_TRUE(EVisibility::SelfHitTestInvisible.AreChildrenHitTestVisible());
	EXPECT_EQ(EVisibility(), EVisibility::Visible);
	EXPECT_EQ(EVisibility::Collapsed.ToString(), TEXT("Collapsed"));
}
