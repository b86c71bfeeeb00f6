// The admin subsystem's repair of recorded takes: which bindings, tracks and sections it touches, which keys go
// (pairwise, against the channel as it was), tangents, the movie scene's flags, saving, and the console's view.

#include "ConsoleLines.h"
#include "QuovexEditorTestFixture.h"

#include "Channels/MovieSceneChannelProxy.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "Channels/MovieSceneFloatChannel.h"
#include "Editor.h"
#include "LevelSequence.h"
#include "Misc/PackageName.h"
#include "MovieScene.h"
#include "MovieSceneTestSupport.h"
#include "QuovexAdminEditorSubsystem.h"
#include "Sections/MovieScene3DTransformSection.h"
#include "Sections/MovieSceneDoubleSection.h"
#include "Tracks/MovieScene3DTransformTrack.h"
#include "Tracks/MovieSceneDoubleTrack.h"
#include "UObject/Package.h"
#include "UObject/RuntimeClassBuilder.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"

#include <cmath>
#include <limits>

using namespace QuovexTest;

namespace
{
	namespace fs = std::filesystem;

	const double NaN = std::numeric_limits<double>::quiet_NaN();

	using namespace MovieSceneTest;

	/** Keys at 0, 1000, 2000 ... (cubic, automatic) with these values and a stale tangent of 9. */
	void SetKeys(FMovieSceneDoubleChannel& Channel, const std::vector<double>& Values)
	{
		MovieSceneTest::SetKeys(Channel, Values, 1000, 9.f);
	}

	FMovieSceneDoubleChannel& DoubleChannel(UMovieSceneSection* Section, int32 Index)
	{
		FMovieSceneDoubleChannel* Channel = Section->GetChannelProxy().GetChannel<FMovieSceneDoubleChannel>(Index);
		check(Channel);
		return *Channel;
	}

	/** The same held run (1, 1, 1, 2) in every channel of a section. */
	void FillHeld(UMovieSceneSection* Section)
	{
		const FMovieSceneChannelEntry* Entry = Section->GetChannelProxy().FindEntry(FMovieSceneDoubleChannel::StaticStruct()->GetFName());
		for (FMovieSceneChannel* Channel : Entry->GetChannels())
		{
			SetKeys(*static_cast<FMovieSceneDoubleChannel*>(Channel), { 1, 1, 1, 2 });
		}
	}

	class LevelSequenceRepairTest : public FQuovexEditorTest
	{
	protected:
		void BootEditor()
		{
			ASSERT_TRUE(Boot());
			Subsystem = UQuovexAdminEditorSubsystem::Get();
			ASSERT_NE(Subsystem, nullptr);
		}

		/** A new take at /Game/Takes/<Name>, not yet saved. */
		ULevelSequence* NewTake(const TCHAR* Name)
		{
			UPackage* Package = CreatePackage(*(FString(TEXT("/Game/Takes/")) + Name));
			ULevelSequence* Sequence = NewObject<ULevelSequence>(Package, FName(Name), RF_Public | RF_Standalone);
			Sequence->Initialize();
			Sequence->GetPackage()->SetDirtyFlag(false);
			return Sequence;
		}

		/** A binding with a track of TrackClass holding one new section of SectionClass. */
		static UMovieSceneSection* AddSection(ULevelSequence* Sequence, const TCHAR* BindingName, UClass* TrackClass, UClass* SectionClass)
		{
			UMovieScene* MovieScene = Sequence->GetMovieScene();
			FGuid Guid;
			for (const FMovieSceneBinding& Binding : MovieScene->GetBindings())
			{
				if (Binding.GetName() == BindingName)
				{
					Guid = Binding.GetObjectGuid();
				}
			}
			if (!Guid.IsValid())
			{
				Guid = MovieScene->AddPossessable(BindingName, nullptr);
			}
			UMovieSceneTrack* Track = MovieScene->AddTrack(TrackClass, Guid);
			UMovieSceneSection* Section = NewObject<UMovieSceneSection>(Track, SectionClass, NAME_None, RF_Transactional);
			Track->AddSection(*Section);
			return Section;
		}

		static UMovieSceneSection* AddCameraSection(ULevelSequence* Sequence, const TCHAR* BindingName)
		{
			return AddSection(Sequence, BindingName, UMovieScene3DTransformTrack::StaticClass(), UMovieScene3DTransformSection::StaticClass());
		}

		/** The values a one-channel camera take keeps after the repair. */
		std::vector<double> Repaired(const std::vector<double>& Values)
		{
			ULevelSequence* Sequence = NewTake(*FString::Printf(TEXT("Pairwise%d"), ++NumPairwiseTakes));
			FMovieSceneDoubleChannel& Channel = DoubleChannel(AddCameraSection(Sequence, TEXT("QuovexCamera")), 0);
			SetKeys(Channel, Values);
			EXPECT_TRUE(Subsystem->FixLevelSequence(Sequence));
			return ValuesOf(Channel);
		}

		fs::path TakeFile(const TCHAR* Name) const
		{
			return Temp.Path(std::string("Demo/Content/Takes/") + TCHAR_TO_UTF8(Name) + ".uasset.json");
		}

		bool Run(const FString& Line)
		{
			return Console.Run(Line);
		}

		/** Whether one of the lines the last command printed is exactly this one. */
		bool Printed(const FString& Line) const
		{
			return Console.Lines.Contains(Line);
		}

		UQuovexAdminEditorSubsystem* Subsystem = nullptr;
		FConsoleLines Console;
		int32 NumPairwiseTakes = 0;
	};
}

TEST_F(LevelSequenceRepairTest, TheEditorRunsOneAdminSubsystemWithTheDocumentedBlueprintSurface)
{
	EXPECT_EQ(UQuovexAdminEditorSubsystem::Get(), nullptr) << "no editor, no subsystem";
	BootEditor();
	EXPECT_EQ(Subsystem, GEditor->GetEditorSubsystem<UQuovexAdminEditorSubsystem>());

	UClass* Class = UQuovexAdminEditorSubsystem::StaticClass();
	EXPECT_TRUE(Class->IsChildOf(UQuovexEditorSubsystemBase::StaticClass()));
	EXPECT_EQ(Class->GetMetaData(TEXT("ToolTip")), TEXT("Subsystem for internal tools that we don't want to expose to customers"));
	UFunction* Function = Class->FindFunctionByName(TEXT("FixLevelSequence"));
	ASSERT_NE(Function, nullptr);
	EXPECT_TRUE(Function->HasAllFunctionFlags(FUNC_BlueprintCallable | FUNC_Final | FUNC_Native));
	EXPECT_EQ(Function->GetMetaData(TEXT("Category")), TEXT("Quovex|Admin"));
	ASSERT_NE(Function->GetReturnProperty(), nullptr);
	EXPECT_EQ(Function->GetReturnProperty()->GetName(), TEXT("ReturnValue"));
}

TEST_F(LevelSequenceRepairTest, OnlyBindingsWhoseNamesStartWithQuovexCameraInAnyCaseAreRepaired)
{
	BootEditor();
	ULevelSequence* Sequence = NewTake(TEXT("Names"));
	const TCHAR* const Names[] = { TEXT("QuovexCamera"), TEXT("quovexcamera_2"), TEXT("QUOVEXCAMERA1"), TEXT("MyQuovexCamera"), TEXT("Quovex Camera"), TEXT("Prop") };
	TArray<UMovieSceneSection*> Sections;
	for (const TCHAR* Name : Names)
	{
		Sections.Add(AddCameraSection(Sequence, Name));
		FillHeld(Sections.Last());
	}

	ASSERT_TRUE(Subsystem->FixLevelSequence(Sequence));
	for (int32 Index = 0; Index < Sections.Num(); ++Index)
	{
		const bool bRepaired = Index < 3;
		for (int32 Channel = 0; Channel < 9; ++Channel)
		{
			EXPECT_EQ(ValuesOf(DoubleChannel(Sections[Index], Channel)), bRepaired ? std::vector<double>({ 1, 2 }) : std::vector<double>({ 1, 1, 1, 2 })) << TCHAR_TO_UTF8(Names[Index]) << " channel " << Channel;
		}
	}
}

TEST_F(LevelSequenceRepairTest, OnlyTransformSectionsOfTransformTracksAndTheirSubclassesAreRepaired)
{
	BootEditor();
	ULevelSequence* Sequence = NewTake(TEXT("Classes"));
	UMovieSceneSection* Transform = AddCameraSection(Sequence, TEXT("QuovexCamera"));
	UMovieSceneSection* DoubleInDoubleTrack = AddSection(Sequence, TEXT("QuovexCamera"), UMovieSceneDoubleTrack::StaticClass(), UMovieSceneDoubleSection::StaticClass());
	UMovieSceneSection* DoubleInTransformTrack = AddSection(Sequence, TEXT("QuovexCamera"), UMovieScene3DTransformTrack::StaticClass(), UMovieSceneDoubleSection::StaticClass());
	UMovieSceneSection* TransformInDoubleTrack = AddSection(Sequence, TEXT("QuovexCamera"), UMovieSceneDoubleTrack::StaticClass(), UMovieScene3DTransformSection::StaticClass());
	UClass* DerivedTrack = UE::ObjectHost::FRuntimeClassBuilder(TEXT("RigTransformTrack"), UMovieScene3DTransformTrack::StaticClass()).Build();
	UClass* DerivedSection = UE::ObjectHost::FRuntimeClassBuilder(TEXT("RigTransformSection"), UMovieScene3DTransformSection::StaticClass()).Build();
	UMovieSceneSection* Derived = AddSection(Sequence, TEXT("QuovexCamera"), DerivedTrack, DerivedSection);
	for (UMovieSceneSection* Section : { Transform, DoubleInDoubleTrack, DoubleInTransformTrack, TransformInDoubleTrack, Derived })
	{
		SetKeys(DoubleChannel(Section, 0), { 1, 1, 1, 2 });
	}
	// The weight is a float channel of the transform section: not the double entry, so never touched.
	CastChecked<UMovieScene3DTransformSection>(Transform)->SetMask(EMovieSceneTransformChannel::All);
	FMovieSceneFloatChannel* Weight = Transform->GetChannelProxy().GetChannel<FMovieSceneFloatChannel>(0);
	for (int32 Key = 0; Key < 3; ++Key)
	{
		Weight->AddCubicKey(FFrameNumber(Key * 1000), 1.f, RCTM_Auto, FMovieSceneTangentData());
	}

	ASSERT_TRUE(Subsystem->FixLevelSequence(Sequence));
	EXPECT_EQ(ValuesOf(DoubleChannel(Transform, 0)), (std::vector<double>{ 1, 2 }));
	EXPECT_EQ(ValuesOf(DoubleChannel(Derived, 0)), (std::vector<double>{ 1, 2 })) << "a subclass of both is repaired";
	EXPECT_EQ(ValuesOf(DoubleChannel(DoubleInDoubleTrack, 0)), (std::vector<double>{ 1, 1, 1, 2 }));
	EXPECT_EQ(ValuesOf(DoubleChannel(DoubleInTransformTrack, 0)), (std::vector<double>{ 1, 1, 1, 2 }));
	EXPECT_EQ(ValuesOf(DoubleChannel(TransformInDoubleTrack, 0)), (std::vector<double>{ 1, 1, 1, 2 }));
	EXPECT_EQ(DoubleChannel(DoubleInDoubleTrack, 0).GetValues()[3].Tangent.ArriveTangent, 9.f) << "untouched sections keep their tangents";
	EXPECT_EQ(Weight->GetNumKeys(), 3);
}

TEST_F(LevelSequenceRepairTest, EveryKeyWhoseValueTheNextKeyHoldsIsRemovedJudgedOnTheChannelAsItWas)
{
	BootEditor();
	EXPECT_EQ(Repaired({ 1, 1, 1, 2 }), (std::vector<double>{ 1, 2 }));
	EXPECT_EQ(Repaired({ 1, 2, 2, 2 }), (std::vector<double>{ 1, 2 }));
	EXPECT_EQ(Repaired({ 0, 0.0008, 0.0016, 0.0024 }), (std::vector<double>{ 0.0024 })) << "a slow ramp collapses to its last key";
	EXPECT_EQ(Repaired({ 2, 2, 2, 2 }), (std::vector<double>{ 2 })) << "the last key always stays";
	EXPECT_EQ(Repaired({ 5, 1, 5, 1 }), (std::vector<double>{ 5, 1, 5, 1 }));

	// The tolerance is the float 0.001 widened to double (0.0010000000474974513), compared as "not greater".
	EXPECT_EQ(Repaired({ 0, 0.001 }), (std::vector<double>{ 0.001 }));
	EXPECT_EQ(Repaired({ 0, 0.00100000004 }), (std::vector<double>{ 0.00100000004 }));
	EXPECT_EQ(Repaired({ 0, 0.00100001 }), (std::vector<double>{ 0, 0.00100001 }));
	EXPECT_EQ(Repaired({ 1, 1 - 0.00100001 }), (std::vector<double>{ 1, 1 - 0.00100001 }));

	// A pair with a NaN counts as held.
	std::vector<double> Kept = Repaired({ NaN, 1 });
	EXPECT_EQ(Kept, (std::vector<double>{ 1 }));
	Kept = Repaired({ 1, NaN });
	ASSERT_EQ(Kept.size(), 1u);
	EXPECT_TRUE(std::isnan(Kept[0]));
	EXPECT_EQ(Repaired({ 3, NaN, 4, 8 }), (std::vector<double>{ 4, 8 }));

	ULevelSequence* Sequence = NewTake(TEXT("Times"));
	FMovieSceneDoubleChannel& Channel = DoubleChannel(AddCameraSection(Sequence, TEXT("QuovexCamera")), 2);
	SetKeys(Channel, { 1, 2, 2, 2, 3, 3 });
	ASSERT_TRUE(Subsystem->FixLevelSequence(Sequence));
	EXPECT_EQ(TimesOf(Channel), (std::vector<int32>{ 0, 3000, 5000 })) << "each survivor keeps its own time";
}

TEST_F(LevelSequenceRepairTest, EveryRepairedChannelGetsAutomaticTangentsEvenWithNothingRemoved)
{
	BootEditor();
	ULevelSequence* Sequence = NewTake(TEXT("Tangents"));
	UMovieSceneSection* Section = AddCameraSection(Sequence, TEXT("QuovexCamera"));
	SetKeys(DoubleChannel(Section, 0), { 7 });
	SetKeys(DoubleChannel(Section, 1), { 0, 10 });
	SetKeys(DoubleChannel(Section, 2), { 0, 0, 4, 10 });
	SetKeys(DoubleChannel(Section, 3), { 0, 4, 10 });
	DoubleChannel(Section, 3).GetData().GetValues()[1].TangentMode = RCTM_User;

	ASSERT_TRUE(Subsystem->FixLevelSequence(Sequence));
	EXPECT_EQ(DoubleChannel(Section, 0).GetValues()[0].Tangent.LeaveTangent, 0.f) << "a single key is flat";
	EXPECT_EQ(DoubleChannel(Section, 1).GetValues()[1].Tangent.ArriveTangent, 0.f);
	EXPECT_EQ(DoubleChannel(Section, 4).GetNumKeys(), 0);
	const TArrayView<const FMovieSceneDoubleValue> Ramp = DoubleChannel(Section, 2).GetValues();
	ASSERT_EQ(Ramp.Num(), 3);
	EXPECT_FLOAT_EQ(Ramp[1].Tangent.ArriveTangent, 10.f / 2000.f) << "tension 0 over the keys that are left";
	EXPECT_FLOAT_EQ(Ramp[1].Tangent.LeaveTangent, 10.f / 2000.f);
	EXPECT_EQ(DoubleChannel(Section, 3).GetValues()[1].Tangent.LeaveTangent, 9.f) << "user tangents are the operator's";
}

TEST_F(LevelSequenceRepairTest, RemovedKeysLoseTheirHandlesAndTheOthersStillResolve)
{
	BootEditor();
	ULevelSequence* Sequence = NewTake(TEXT("Handles"));
	FMovieSceneDoubleChannel& Channel = DoubleChannel(AddCameraSection(Sequence, TEXT("QuovexCamera")), 0);
	SetKeys(Channel, { 1, 1, 2, 3, 3, 3, 4 });
	TArray<FKeyHandle> Handles;
	for (int32 Index = 0; Index < 7; ++Index)
	{
		Handles.Add(Channel.GetHandle(Index));
	}

	ASSERT_TRUE(Subsystem->FixLevelSequence(Sequence));
	EXPECT_EQ(ValuesOf(Channel), (std::vector<double>{ 1, 2, 3, 4 }));
	const int32 Expected[] = { INDEX_NONE, 0, 1, INDEX_NONE, INDEX_NONE, 2, 3 };
	for (int32 Index = 0; Index < 7; ++Index)
	{
		EXPECT_EQ(Channel.GetIndex(Handles[Index]), Expected[Index]) << "handle of key " << Index;
	}
}

TEST_F(LevelSequenceRepairTest, LockedTakesAndTakesWithoutCamerasAreMarkedUnlockedAndSaved)
{
	BootEditor();
	ULevelSequence* Sequence = NewTake(TEXT("Locked"));
	UMovieSceneSection* Prop = AddCameraSection(Sequence, TEXT("Prop"));
	FillHeld(Prop);
	Sequence->GetMovieScene()->SetReadOnly(true);
	Sequence->GetPackage()->SetDirtyFlag(false);
	int32 MarkedDirty = 0;
	const FDelegateHandle Handle = UPackage::PackageMarkedDirtyEvent.AddLambda([&MarkedDirty, Sequence](UPackage* Package) {
		MarkedDirty += Package == Sequence->GetPackage() ? 1 : 0;
	});

	EXPECT_TRUE(Subsystem->FixLevelSequence(Sequence));
	UPackage::PackageMarkedDirtyEvent.Remove(Handle);
	EXPECT_EQ(MarkedDirty, 1);
	EXPECT_FALSE(Sequence->GetMovieScene()->IsReadOnly());
	EXPECT_TRUE(fs::exists(TakeFile(TEXT("Locked"))));
	EXPECT_FALSE(Sequence->GetPackage()->IsDirty());
	EXPECT_EQ(ValuesOf(DoubleChannel(Prop, 0)), (std::vector<double>{ 1, 1, 1, 2 }));
}

TEST_F(LevelSequenceRepairTest, NoSequenceOrNoMovieSceneIsRefusedWithNothingSaved)
{
	BootEditor();
	FHostLogCapture Log;
	EXPECT_FALSE(Subsystem->FixLevelSequence(nullptr));
	ULevelSequence* Empty = NewObject<ULevelSequence>(CreatePackage(TEXT("/Game/Takes/Empty")), FName(TEXT("Empty")), RF_Public | RF_Standalone);
	EXPECT_FALSE(Subsystem->FixLevelSequence(Empty));
	EXPECT_FALSE(Empty->GetPackage()->IsDirty());
	EXPECT_FALSE(fs::exists(TakeFile(TEXT("Empty"))));
	EXPECT_TRUE(Log.GetLines().IsEmpty()) << "nothing is logged";
}

TEST_F(LevelSequenceRepairTest, AFailedSaveStillReturnsTrueAndLeavesTheRepairedTakeDirty)
{
	BootEditor();
	ULevelSequence* Sequence = NewTake(TEXT("Blocked"));
	FMovieSceneDoubleChannel& Channel = DoubleChannel(AddCameraSection(Sequence, TEXT("QuovexCamera")), 0);
	SetKeys(Channel, { 1, 1, 2 });
	fs::create_directories(TakeFile(TEXT("Blocked")));

	EXPECT_TRUE(Subsystem->FixLevelSequence(Sequence));
	EXPECT_TRUE(Sequence->GetPackage()->IsDirty());
	EXPECT_EQ(ValuesOf(Channel), (std::vector<double>{ 1, 2 }));
	EXPECT_TRUE(fs::is_directory(TakeFile(TEXT("Blocked"))));
}

TEST_F(LevelSequenceRepairTest, TheSavedTakeReloadsToTheRepairedKeys)
{
	BootEditor();
	ULevelSequence* Sequence = LoadObject<ULevelSequence>(nullptr, TEXT("/Game/Takes/Take_001.Take_001"));
	ASSERT_NE(Sequence, nullptr);
	ASSERT_TRUE(Subsystem->FixLevelSequence(Sequence));
	ASSERT_TRUE(Run(TEXT("sequence /Game/Takes/Take_001")));
	const TArray<FString> Repaired = Console.Lines;
	ASSERT_EQ(Repaired.Num(), 18);

	UE::ObjectHost::DestroyObjectNow(Sequence->GetPackage());
	ASSERT_EQ(FindObject<ULevelSequence>(nullptr, TEXT("/Game/Takes/Take_001.Take_001")), nullptr);
	ASSERT_TRUE(Run(TEXT("sequence /Game/Takes/Take_001")));
	EXPECT_NE(FindObject<ULevelSequence>(nullptr, TEXT("/Game/Takes/Take_001.Take_001")), nullptr) << "loaded again from its file";
	EXPECT_EQ(Console.Lines, Repaired);
}

TEST_F(LevelSequenceRepairTest, TheDemoTakeIsRepairedFromTheConsoleAndThePropIsLeftAlone)
{
	BootEditor();
	ASSERT_TRUE(Run(TEXT("sequence /Game/Takes/Take_001")));
	const TArray<FString> Before = Console.Lines;
	ASSERT_EQ(Before.Num(), 18);
	for (const FString& Line : Before)
	{
		EXPECT_TRUE(Line.Contains(TEXT(" | MovieScene3DTransformTrack | 0 | "))) << TCHAR_TO_UTF8(*Line);
		EXPECT_TRUE(Line.Contains(TEXT(" | 250 | "))) << TCHAR_TO_UTF8(*Line);
	}
	EXPECT_TRUE(Before[0].StartsWith(TEXT("QuovexCamera_A | MovieScene3DTransformTrack | 0 | 0 | 250 | 120.000086 120.000217 ")));

	ASSERT_TRUE(Run(TEXT("call QuovexAdminEditorSubsystem.FixLevelSequence LevelSequence=/Game/Takes/Take_001.Take_001")));
	EXPECT_EQ(Console.Lines, TArray<FString>({ TEXT("ReturnValue=True") }));
	ASSERT_TRUE(Run(TEXT("sequence /Game/Takes/Take_001")));
	const TArray<FString> After = Console.Lines;
	ASSERT_EQ(After.Num(), 18);
	for (int32 Channel = 0; Channel < 9; ++Channel)
	{
		EXPECT_FALSE(After[Channel].Contains(TEXT(" | 250 | "))) << "camera channel " << Channel << " lost its held keys";
		EXPECT_EQ(After[9 + Channel], Before[9 + Channel]) << "prop channel " << Channel;
	}
	EXPECT_EQ(After[6], TEXT("QuovexCamera_A | MovieScene3DTransformTrack | 0 | 6 | 1 | 1.0")) << "a scale that never moved keeps one key";
}

TEST_F(LevelSequenceRepairTest, MalformedSequenceAndRepairLinesSayWhatIsWrongAndChangeNothing)
{
	WriteContent("Takes/NoScene", R"({ "Class": "/Script/LevelSequence.LevelSequence" })");
	BootEditor();
	const TCHAR* const Lines[] = {
		TEXT("sequence"),
		TEXT("sequence /Game/Takes/Take_001 extra"),
		TEXT("sequence \"/Game/Takes/Take_001"),
		TEXT("sequence Take_001"),
		TEXT("sequence /Game/Takes/Nothing"),
		TEXT("sequence /Game/Maps/Stage"),
		TEXT("sequence /Game/Takes/NoScene"),
		TEXT("call QuovexAdminEditorSubsystem.FixLevelSequence LevelSequence=/Game/Takes/Take_001.Take_001:MovieScene"),
		TEXT("call QuovexAdminEditorSubsystem.FixLevelSequence LevelSequence=/Game/Takes/Nothing.Nothing"),
		TEXT("call QuovexAdminEditorSubsystem.FixLevelSequence Sequence=/Game/Takes/Take_001.Take_001"),
	};
	for (const TCHAR* Line : Lines)
	{
		EXPECT_FALSE(Run(Line)) << TCHAR_TO_UTF8(Line);
		ASSERT_EQ(Console.Lines.Num(), 1) << TCHAR_TO_UTF8(Line);
		EXPECT_TRUE(Console.Lines[0].StartsWith(TEXT("ERROR "))) << TCHAR_TO_UTF8(*Console.Lines[0]);
	}
	EXPECT_FALSE(Run(TEXT("sequence /Game/Maps/Stage")));
	EXPECT_TRUE(Printed(TEXT("ERROR sequence: /Game/Maps/Stage.Stage is a World, not a level sequence")));
	EXPECT_FALSE(Run(TEXT("sequence /Game/Takes/NoScene")));
	EXPECT_TRUE(Printed(TEXT("ERROR sequence: /Game/Takes/NoScene.NoScene has no movie scene")));
	EXPECT_FALSE(Run(TEXT("sequence")));
	EXPECT_TRUE(Console.Lines[0].Contains(TEXT("Usage: sequence <ObjectPath>")));

	ASSERT_TRUE(Run(TEXT("call QuovexAdminEditorSubsystem.FixLevelSequence LevelSequence=None")));
	EXPECT_EQ(Console.Lines, TArray<FString>({ TEXT("ReturnValue=False") }));
	ASSERT_TRUE(Run(TEXT("call QuovexAdminEditorSubsystem.FixLevelSequence LevelSequence=/Game/Takes/NoScene.NoScene")));
	EXPECT_EQ(Console.Lines, TArray<FString>({ TEXT("ReturnValue=False") }));
	ASSERT_TRUE(Run(TEXT("sequence /Game/Takes/Take_001")));
	EXPECT_TRUE(Console.Lines[0].Contains(TEXT(" | 250 | "))) << "the take was not touched";
}
