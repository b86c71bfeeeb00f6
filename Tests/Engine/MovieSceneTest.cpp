// What the sequence repair relies on of the MovieScene, MovieSceneTracks, LevelSequence and EditorScriptingUtilities
// stand-ins: key handles that survive removals, array-backed key removal, automatic tangents, channel proxies, the
// movie scene's flags, saving level sequences, and their asset form read back exactly or, when damaged, leniently.

#include "EngineTestEnvironment.h"

#include "Channels/MovieSceneChannelProxy.h"
#include "Channels/MovieSceneDoubleChannel.h"
#include "Channels/MovieSceneFloatChannel.h"
#include "EditorAssetLibrary.h"
#include "HAL/IConsoleManager.h"
#include "LevelSequence.h"
#include "Misc/PackageName.h"
#include "MovieScene.h"
#include "MovieSceneTestSupport.h"
#include "Sections/MovieScene3DTransformSection.h"
#include "Sections/MovieSceneDoubleSection.h"
#include "Tracks/MovieScene3DTransformTrack.h"
#include "Tracks/MovieSceneDoubleTrack.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <vector>

namespace
{
	namespace fs = std::filesystem;

	using namespace MovieSceneTest;

	/** Keys at 0, 100, 200 ... with these values, cubic and automatic. */
	void SetKeys(FMovieSceneDoubleChannel& Channel, const std::vector<double>& Values)
	{
		MovieSceneTest::SetKeys(Channel, Values, 100);
	}

	FMovieSceneDoubleChannel* TransformChannel(UMovieScene3DTransformSection* Section, int32 Index)
	{
		return Section->GetChannelProxy().GetChannel<FMovieSceneDoubleChannel>(Index);
	}

	fs::path AssetFile(const FString& PackageName)
	{
		FString Filename;
		EXPECT_TRUE(FPackageName::TryConvertLongPackageNameToFilename(PackageName, Filename, FPackageName::GetAssetPackageExtension()));
		return fs::path(TCHAR_TO_UTF8(*Filename)).concat(".json");
	}

	class MovieSceneTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			ASSERT_TRUE(Engine.IsBooted());
		}

		/** A new level sequence asset at /Game/<Name> (a path below /Game) with one transform section under a binding of that name. */
		ULevelSequence* NewSequence(const FString& Name, const FString& BindingName, UMovieScene3DTransformSection*& OutSection)
		{
			UPackage* Package = CreatePackage(*(TEXT("/Game/") + Name));
			int32 Slash = INDEX_NONE;
			Name.FindLastChar(TEXT('/'), Slash);
			ULevelSequence* Sequence = NewObject<ULevelSequence>(Package, FName(*Name.Mid(Slash + 1)), RF_Public | RF_Standalone);
			Sequence->Initialize();
			UMovieScene* MovieScene = Sequence->GetMovieScene();
			const FGuid Binding = MovieScene->AddPossessable(BindingName, nullptr);
			UMovieScene3DTransformTrack* Track = MovieScene->AddTrack<UMovieScene3DTransformTrack>(Binding);
			OutSection = CastChecked<UMovieScene3DTransformSection>(Track->CreateNewSection());
			Track->AddSection(*OutSection);
			return Sequence;
		}

		/** Forgets the package and everything in it, so that the next load reads its file. */
		static void Unload(const FString& PackageName)
		{
			UE::ObjectHost::DestroyObjectNow(FindPackage(nullptr, *PackageName));
		}

		FScopedTestEngine Engine;
		FEngineTestLogCapture Log;
	};
}

TEST_F(MovieSceneTest, KeyHandlesFollowTheirKeysThroughInsertionsAndRemovalsAndRemovedHandlesAreFreed)
{
	FMovieSceneDoubleChannel Channel;
	SetKeys(Channel, { 0, 1, 2, 3, 4, 5 });
	TMovieSceneChannelData<FMovieSceneDoubleValue> Data = Channel.GetData();
	TArray<FKeyHandle> Handles;
	for (int32 Index = 0; Index < 6; ++Index)
	{
		Handles.Add(Data.GetHandle(Index));
		EXPECT_TRUE(Handles.Last().IsValid());
	}
	EXPECT_EQ(Data.GetHandle(3), Handles[3]);
	EXPECT_NE(Handles[0], Handles[1]);
	EXPECT_FALSE(FKeyHandle::Invalid().IsValid());

	Data.RemoveKey(Data.GetIndex(Handles[1]));
	Data.RemoveKey(Data.GetIndex(Handles[4]));
	EXPECT_EQ(ValuesOf(Channel), (std::vector<double>{ 0, 2, 3, 5 }));
	EXPECT_EQ(TimesOf(Channel), (std::vector<int32>{ 0, 200, 300, 500 }));
	EXPECT_EQ(Data.GetIndex(Handles[1]), INDEX_NONE);
	EXPECT_EQ(Data.GetIndex(Handles[4]), INDEX_NONE);
	EXPECT_EQ(Data.GetIndex(Handles[0]), 0);
	EXPECT_EQ(Data.GetIndex(Handles[2]), 1);
	EXPECT_EQ(Data.GetIndex(Handles[3]), 2);
	EXPECT_EQ(Data.GetIndex(Handles[5]), 3);

	// A key inserted before others moves their handles up; the new key has a handle of its own.
	const int32 Inserted = Data.AddKey(FFrameNumber(250), FMovieSceneDoubleValue(2.5));
	EXPECT_EQ(Inserted, 2);
	EXPECT_EQ(Data.GetIndex(Handles[3]), 3);
	EXPECT_EQ(Data.GetIndex(Data.GetHandle(2)), 2);
	EXPECT_EQ(TimesOf(Channel), (std::vector<int32>{ 0, 200, 250, 300, 500 }));

	// Handles of keys that were never asked for are made on demand; a freed handle stays freed.
	const TArray<FKeyHandle> ToDelete = { Handles[0], Handles[1] };
	Channel.DeleteKeys(ToDelete);
	EXPECT_EQ(ValuesOf(Channel), (std::vector<double>{ 2, 2.5, 3, 5 }));
	EXPECT_EQ(Data.GetIndex(Handles[5]), 3);
	EXPECT_EQ(Channel.GetIndex(Handles[0]), INDEX_NONE);
	EXPECT_EQ(Data.FindKey(FFrameNumber(300)), 2);
	EXPECT_EQ(Data.FindKey(FFrameNumber(301)), INDEX_NONE);
	EXPECT_EQ(Data.FindKey(FFrameNumber(301), FFrameNumber(1)), 2);
}

TEST_F(MovieSceneTest, AutoSetTangentsGivesAutomaticCubicKeysTheSlopeThroughTheirNeighbours)
{
	FMovieSceneDoubleChannel Channel;
	SetKeys(Channel, { 0, 10, 30, 30, 20, 50 });
	TArrayView<FMovieSceneDoubleValue> Values = Channel.GetData().GetValues();
	for (FMovieSceneDoubleValue& Value : Values)
	{
		Value.Tangent.ArriveTangent = Value.Tangent.LeaveTangent = 9.f;
	}
	Values[4].TangentMode = RCTM_User;
	Channel.AutoSetTangents(0.f);

	EXPECT_EQ(Values[0].Tangent.ArriveTangent, 0.f) << "the first key is flat";
	EXPECT_FLOAT_EQ(Values[1].Tangent.ArriveTangent, 30.f / 200.f);
	EXPECT_FLOAT_EQ(Values[1].Tangent.LeaveTangent, 30.f / 200.f);
	EXPECT_EQ(Values[2].Tangent.LeaveTangent, 0.f) << "the start of a hold is flat";
	EXPECT_EQ(Values[3].Tangent.LeaveTangent, 0.f) << "a peak is flat";
	EXPECT_EQ(Values[4].Tangent.LeaveTangent, 9.f) << "a user tangent is kept";
	EXPECT_EQ(Values[5].Tangent.ArriveTangent, 0.f) << "the last key is flat";

	Values[4].TangentMode = RCTM_Auto;
	Values[1].InterpMode = RCIM_Linear;
	Values[1].Tangent.LeaveTangent = 9.f;
	Channel.AutoSetTangents(0.5f);
	EXPECT_EQ(Values[1].Tangent.LeaveTangent, 9.f) << "only cubic keys have tangents to set";
	EXPECT_EQ(Values[4].Tangent.LeaveTangent, 0.f) << "a trough is flat";

	FMovieSceneDoubleChannel Ramp;
	SetKeys(Ramp, { 0, 1, 4 });
	Ramp.AutoSetTangents(0.5f);
	EXPECT_FLOAT_EQ(Ramp.GetValues()[1].Tangent.ArriveTangent, 0.5f * 4.f / 200.f) << "tension scales the slope down";

	FMovieSceneDoubleChannel Single;
	SetKeys(Single, { 7 });
	Single.GetData().GetValues()[0].Tangent.LeaveTangent = 3.f;
	Single.AutoSetTangents(0.f);
	EXPECT_EQ(Single.GetValues()[0].Tangent.LeaveTangent, 0.f);
	FMovieSceneDoubleChannel Empty;
	Empty.AutoSetTangents(0.f);
	EXPECT_EQ(Empty.GetNumKeys(), 0);
}

TEST_F(MovieSceneTest, TransformSectionsOfferTheirNineDoubleChannelsByTypeNameAndTheWeightWhenMasked)
{
	UMovieScene3DTransformSection* Section = nullptr;
	NewSequence(TEXT("Proxy"), TEXT("Camera"), Section);
	const FMovieSceneChannelProxy& Proxy = Section->GetChannelProxy();
	const FMovieSceneChannelEntry* Doubles = Proxy.FindEntry(FMovieSceneDoubleChannel::StaticStruct()->GetFName());
	ASSERT_NE(Doubles, nullptr);
	EXPECT_EQ(Doubles->GetChannelTypeName(), FName(TEXT("MovieSceneDoubleChannel")));
	ASSERT_EQ(Doubles->GetChannels().Num(), 9);
	const TCHAR* const Names[] = { TEXT("Location.X"), TEXT("Location.Y"), TEXT("Location.Z"), TEXT("Rotation.X"), TEXT("Rotation.Y"), TEXT("Rotation.Z"), TEXT("Scale.X"), TEXT("Scale.Y"), TEXT("Scale.Z") };
	for (int32 Index = 0; Index < 9; ++Index)
	{
		EXPECT_EQ(Doubles->GetMetaData()[Index].Name, FName(Names[Index]));
		EXPECT_NE(Doubles->GetChannels()[Index], nullptr);
	}
	EXPECT_EQ(static_cast<FMovieSceneDoubleChannel*>(Doubles->GetChannels()[6])->GetDefault().Get(0.0), 1.0);
	EXPECT_EQ(Proxy.FindEntry(FMovieSceneFloatChannel::StaticStruct()->GetFName()), nullptr);
	EXPECT_EQ(Proxy.FindEntry(TEXT("MovieSceneBoolChannel")), nullptr);

	Section->SetMask(EMovieSceneTransformChannel::All);
	const FMovieSceneChannelEntry* Floats = Section->GetChannelProxy().FindEntry(FMovieSceneFloatChannel::StaticStruct()->GetFName());
	ASSERT_NE(Floats, nullptr);
	EXPECT_EQ(Floats->GetMetaData()[0].Name, FName(TEXT("Weight")));
	EXPECT_EQ(Section->GetChannelProxy().NumChannels(), 10);

	UMovieSceneDoubleSection* DoubleSection = NewObject<UMovieSceneDoubleSection>();
	const FMovieSceneChannelEntry* Single = DoubleSection->GetChannelProxy().FindEntry(FMovieSceneDoubleChannel::StaticStruct()->GetFName());
	ASSERT_NE(Single, nullptr);
	EXPECT_EQ(Single->GetChannels().Num(), 1);
}

TEST_F(MovieSceneTest, MovieScenesKeepBindingsTracksAndTheirFlags)
{
	UMovieScene3DTransformSection* Section = nullptr;
	ULevelSequence* Sequence = NewSequence(TEXT("Flags"), TEXT("CamA"), Section);
	UMovieScene* MovieScene = Sequence->GetMovieScene();
	ASSERT_EQ(MovieScene->GetBindings().Num(), 1);
	const FMovieSceneBinding& Binding = MovieScene->GetBindings()[0];
	EXPECT_EQ(Binding.GetName(), TEXT("CamA"));
	ASSERT_EQ(Binding.GetTracks().Num(), 1);
	EXPECT_TRUE(Binding.GetTracks()[0]->IsA<UMovieScene3DTransformTrack>());
	EXPECT_EQ(Binding.GetTracks()[0]->GetAllSections()[0], Section);
	EXPECT_EQ(MovieScene->FindTrack(UMovieScene3DTransformTrack::StaticClass(), Binding.GetObjectGuid()), Binding.GetTracks()[0]);
	EXPECT_EQ(MovieScene->AddTrack<UMovieSceneDoubleTrack>(FGuid::NewGuid()), nullptr) << "no such binding";
	// A binding's text naming a field too long to be a name has no such field.
	FMovieSceneBinding Read;
	const FString LongField = TEXT("(") + FString::ChrN(NAME_SIZE, TEXT('F')) + TEXT("=1)");
	const TCHAR* Buffer = *LongField;
	EXPECT_FALSE(Read.ImportTextItem(Buffer, PPF_None, nullptr, nullptr));

	EXPECT_EQ(MovieScene->GetTickResolution(), FFrameRate(24000, 1));
	EXPECT_EQ(MovieScene->GetDisplayRate(), FFrameRate(30, 1));

	EXPECT_FALSE(MovieScene->IsReadOnly());
	MovieScene->SetReadOnly(true);
	EXPECT_TRUE(MovieScene->IsReadOnly());

	Sequence->GetPackage()->SetDirtyFlag(false);
	MovieScene->Modify(true);
	EXPECT_TRUE(Sequence->GetPackage()->IsDirty());
}

TEST_F(MovieSceneTest, NewSequencesTakeTheirRatesFromTheLevelSequenceConsoleVariables)
{
	IConsoleVariable* DisplayRate = IConsoleManager::Get().FindConsoleVariable(TEXT("LevelSequence.DefaultDisplayRate"));
	IConsoleVariable* TickResolution = IConsoleManager::Get().FindConsoleVariable(TEXT("LevelSequence.DefaultTickResolution"));
	ASSERT_NE(DisplayRate, nullptr);
	const FString DisplayRateBefore = DisplayRate->GetString();
	const FString TickResolutionBefore = TickResolution->GetString();
	DisplayRate->Set(TEXT("30000/1001"));
	TickResolution->Set(TEXT("60000fps"));
	ULevelSequence* Sequence = NewObject<ULevelSequence>();
	Sequence->Initialize();
	EXPECT_EQ(Sequence->GetMovieScene()->GetDisplayRate(), FFrameRate(30000, 1001));
	EXPECT_EQ(Sequence->GetMovieScene()->GetTickResolution(), FFrameRate(60000, 1));

	DisplayRate->Set(TEXT("fast"));
	ULevelSequence* Other = NewObject<ULevelSequence>();
	Other->Initialize();
	EXPECT_EQ(Other->GetMovieScene()->GetDisplayRate(), FFrameRate(30, 1));
	EXPECT_EQ(Log.Count(TEXT("LevelSequence.DefaultDisplayRate is not a frame rate ('fast')"), ELogVerbosity::Warning), 1);
	EXPECT_EQ(NewObject<ULevelSequence>()->GetMovieScene(), nullptr) << "only Initialize makes the movie scene";

	DisplayRate->Set(*DisplayRateBefore);
	TickResolution->Set(*TickResolutionBefore);
}

TEST_F(MovieSceneTest, ASavedSequenceReloadsToTheSameKeysTangentsModesAndDefaults)
{
	UMovieScene3DTransformSection* Section = nullptr;
	ULevelSequence* Sequence = NewSequence(TEXT("Takes/RoundTrip"), TEXT("QuovexCamera"), Section);
	FMovieSceneDoubleChannel* X = TransformChannel(Section, 0);
	SetKeys(*X, { 0.1, 1.0 / 3.0, -2.5e-7, 1e300, std::numeric_limits<double>::quiet_NaN() });
	TArrayView<FMovieSceneDoubleValue> Values = X->GetData().GetValues();
	Values[1].Tangent.ArriveTangent = 0.125f;
	Values[1].Tangent.LeaveTangent = -1.f / 3.f;
	Values[1].Tangent.TangentWeightMode = RCTWM_WeightedBoth;
	Values[1].Tangent.ArriveTangentWeight = 2.f;
	Values[1].TangentMode = RCTM_Break;
	Values[2].InterpMode = RCIM_Linear;
	Values[3].InterpMode = RCIM_Constant;
	X->PostInfinityExtrap = RCCE_Linear;
	FMovieSceneDoubleChannel* Yaw = TransformChannel(Section, 5);
	Yaw->AddCubicKey(FFrameNumber(-960), 45.0, RCTM_User);
	Yaw->SetDefault(12.0);
	Section->SetMask(EMovieSceneTransformChannel::All);
	Section->GetChannelProxy().GetChannel<FMovieSceneFloatChannel>(0)->AddLinearKey(FFrameNumber(10), 0.5f);
	Sequence->GetMovieScene()->SetReadOnly(true);

	ASSERT_TRUE(UEditorAssetLibrary::SaveLoadedAsset(Sequence, false));
	ASSERT_TRUE(fs::exists(AssetFile(TEXT("/Game/Takes/RoundTrip"))));
	const std::vector<int32> SavedTimes = TimesOf(*X);
	const TArray<FMovieSceneDoubleValue> SavedValues(X->GetValues().GetData(), X->GetValues().Num());
	Unload(TEXT("/Game/Takes/RoundTrip"));

	ULevelSequence* Loaded = LoadObject<ULevelSequence>(nullptr, TEXT("/Game/Takes/RoundTrip.RoundTrip"));
	ASSERT_NE(Loaded, nullptr);
	UMovieScene* MovieScene = Loaded->GetMovieScene();
	ASSERT_NE(MovieScene, nullptr);
	EXPECT_TRUE(MovieScene->IsReadOnly());
	ASSERT_EQ(MovieScene->GetBindings().Num(), 1);
	EXPECT_EQ(MovieScene->GetBindings()[0].GetName(), TEXT("QuovexCamera"));
	UMovieScene3DTransformSection* LoadedSection = CastChecked<UMovieScene3DTransformSection>(MovieScene->GetBindings()[0].GetTracks()[0]->GetAllSections()[0]);
	const FMovieSceneDoubleChannel* LoadedX = TransformChannel(LoadedSection, 0);
	EXPECT_EQ(TimesOf(*LoadedX), SavedTimes);
	ASSERT_EQ(LoadedX->GetNumKeys(), 5);
	for (int32 Index = 0; Index < 4; ++Index)
	{
		EXPECT_EQ(LoadedX->GetValues()[Index], SavedValues[Index]) << "key " << Index;
	}
	EXPECT_TRUE(std::isnan(LoadedX->GetValues()[4].Value));
	EXPECT_EQ(LoadedX->PostInfinityExtrap, RCCE_Linear);
	const FMovieSceneDoubleChannel* LoadedYaw = TransformChannel(LoadedSection, 5);
	EXPECT_EQ(TimesOf(*LoadedYaw), (std::vector<int32>{ -960 }));
	EXPECT_EQ(LoadedYaw->GetValues()[0].TangentMode, RCTM_User);
	EXPECT_EQ(LoadedYaw->GetDefault().Get(0.0), 12.0);
	EXPECT_EQ(TransformChannel(LoadedSection, 7)->GetDefault().Get(0.0), 1.0);
	const FMovieSceneFloatChannel* Weight = LoadedSection->GetChannelProxy().GetChannel<FMovieSceneFloatChannel>(0);
	ASSERT_NE(Weight, nullptr) << "the mask came back with the weight";
	EXPECT_EQ(Weight->GetValues()[0].Value, 0.5f);
	EXPECT_EQ(Weight->GetValues()[0].InterpMode, RCIM_Linear);
	EXPECT_EQ(Log.Count(TEXT(""), ELogVerbosity::Warning), 0);
}

TEST_F(MovieSceneTest, SaveLoadedAssetWritesCleanAssetsOnlyWhenToldAndRefusesWhatIsNoAsset)
{
	UMovieScene3DTransformSection* Section = nullptr;
	ULevelSequence* Sequence = NewSequence(TEXT("Save"), TEXT("Cam"), Section);
	const fs::path File = AssetFile(TEXT("/Game/Save"));
	Sequence->GetPackage()->SetDirtyFlag(false);
	EXPECT_TRUE(UEditorAssetLibrary::SaveLoadedAsset(Sequence, true));
	EXPECT_FALSE(fs::exists(File)) << "a clean asset is not written when only dirty ones are";
	EXPECT_TRUE(UEditorAssetLibrary::SaveLoadedAsset(Sequence, false));
	EXPECT_TRUE(fs::exists(File));

	EXPECT_FALSE(UEditorAssetLibrary::SaveLoadedAsset(nullptr, false));
	EXPECT_EQ(Log.Count(TEXT("SaveLoadedAsset. Failed to save object. The object is null."), ELogVerbosity::Error), 1);
	EXPECT_FALSE(UEditorAssetLibrary::SaveLoadedAsset(NewObject<ULevelSequence>(), false));
	EXPECT_EQ(Log.Count(TEXT("It is not an asset"), ELogVerbosity::Error), 1);

	// A folder where the file should be: the save fails and the asset stays dirty.
	fs::remove(File);
	fs::create_directories(File);
	Sequence->GetMovieScene()->Modify(true);
	EXPECT_FALSE(UEditorAssetLibrary::SaveLoadedAsset(Sequence, false));
	EXPECT_TRUE(Sequence->GetPackage()->IsDirty());
}

TEST_F(MovieSceneTest, DamagedChannelDataIsReportedWithItsChannelAndTheRestOfTheTakeLoads)
{
	const std::string Section = "/Game/Takes/Damaged.Damaged:MovieScene.Transform.Section";
	Engine.WriteProjectFile("Content/Takes/Damaged.uasset.json", R"json({
	"Class": "/Script/LevelSequence.LevelSequence",
	"Properties": { "MovieScene": "/Game/Takes/Damaged.Damaged:MovieScene" },
	"Subobjects": [ { "Name": "MovieScene", "Class": "/Script/MovieScene.MovieScene",
		"Properties": { "ObjectBindings": "((BindingName=\"QuovexCamera\",Tracks=(/Game/Takes/Damaged.Damaged:MovieScene.Lens,/Game/Takes/Damaged.Damaged:MovieScene.Transform)),(BindingName=\"Prop\",Tracks=(/Game/Takes/Damaged.Damaged:MovieScene.Focus)))" },
		"Subobjects": [
			{ "Name": "Lens", "Class": "/Script/NoSuchPlugin.MovieSceneLensTrack", "Subobjects": [ { "Name": "Section", "Class": "/Script/NoSuchPlugin.MovieSceneLensSection" } ] },
			{ "Name": "Transform", "Class": "/Script/MovieSceneTracks.MovieScene3DTransformTrack",
				"Properties": { "Sections": "(/Game/Takes/Damaged.Damaged:MovieScene.Transform.Section)" },
				"Subobjects": [ { "Name": "Section", "Class": "/Script/MovieSceneTracks.MovieScene3DTransformSection", "Properties": {
					"TranslationX": "(Times=(0,100,200),Values=((Value=1),(Value=2),(Value=3)))",
					"TranslationY": "(Times=(0,100,200),Values=((Value=1),(Value=oops),(Value=3)))",
					"TranslationZ": "(Times=(0,100,200),Values=((Value=1),(Value=2",
					"RotationX": "(Times=(0,300,100,200),Values=((Value=0),(Value=3),(Value=1),(Value=2)))",
					"RotationY": "(Times=(0,100),Values=((Value=4,Colour=Red),(Value=5)),Spin=3)",
					"RotationZ": "not a channel"
				} } ] },
			{ "Name": "Base", "Class": "/Script/MovieScene.MovieSceneTrack" },
			{ "Name": "Focus", "Class": "/Script/MovieSceneTracks.MovieSceneDoubleTrack",
				"Properties": { "Sections": "(/Game/Takes/Damaged.Damaged:MovieScene.Focus.Section)" },
				"Subobjects": [ { "Name": "Section", "Class": "/Script/MovieSceneTracks.MovieSceneDoubleSection", "Properties": { "DoubleCurve": "(Times=(0),Values=((Value=2.8)))" } } ] }
		] } ]
})json");

	ULevelSequence* Sequence = LoadObject<ULevelSequence>(nullptr, TEXT("/Game/Takes/Damaged.Damaged"));
	ASSERT_NE(Sequence, nullptr);
	const TArray<FMovieSceneBinding>& Bindings = Sequence->GetMovieScene()->GetBindings();
	ASSERT_EQ(Bindings.Num(), 2);
	ASSERT_EQ(Bindings[0].GetTracks().Num(), 1) << "the track of the unknown class is left out";
	UMovieScene3DTransformSection* Transform = CastChecked<UMovieScene3DTransformSection>(Bindings[0].GetTracks()[0]->GetAllSections()[0]);
	EXPECT_EQ(ValuesOf(*TransformChannel(Transform, 0)), (std::vector<double>{ 1, 2, 3 }));
	EXPECT_EQ(ValuesOf(*TransformChannel(Transform, 1)), (std::vector<double>{ 1 })) << "keys up to the malformed one";
	EXPECT_EQ(ValuesOf(*TransformChannel(Transform, 2)), (std::vector<double>{ 1 })) << "keys up to where the text ends";
	EXPECT_EQ(TimesOf(*TransformChannel(Transform, 3)), (std::vector<int32>{ 0, 100, 200, 300 }));
	EXPECT_EQ(ValuesOf(*TransformChannel(Transform, 3)), (std::vector<double>{ 0, 1, 2, 3 })) << "keys sorted with their values";
	EXPECT_EQ(ValuesOf(*TransformChannel(Transform, 4)), (std::vector<double>{ 4, 5 }));
	EXPECT_EQ(TransformChannel(Transform, 5)->GetNumKeys(), 0);
	ASSERT_EQ(Bindings[1].GetTracks().Num(), 1);
	EXPECT_EQ(CastChecked<UMovieSceneDoubleSection>(Bindings[1].GetTracks()[0]->GetAllSections()[0])->GetChannel().GetValues()[0].Value, 2.8);

	EXPECT_EQ(Log.Count(TEXT("unknown class /Script/NoSuchPlugin.MovieSceneLensTrack for Lens"), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(TEXT("abstract class /Script/MovieScene.MovieSceneTrack for Base; it is not loaded"), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(TEXT("Damaged.uasset.json"), ELogVerbosity::Warning), 2);
	EXPECT_EQ(Log.Count(TEXT("binding \"QuovexCamera\" has no track /Game/Takes/Damaged.Damaged:MovieScene.Lens"), ELogVerbosity::Warning), 1);
	const FString Prefix = FString(UTF8_TO_TCHAR(Section.c_str())) + TEXT(", channel ");
	EXPECT_EQ(Log.Count(*(Prefix + TEXT("Location.X")), ELogVerbosity::Warning), 0);
	EXPECT_EQ(Log.Count(*(Prefix + TEXT("Location.Y: malformed: 'oops' is not a number")), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(*(Prefix + TEXT("Location.Z: malformed: the text ends")), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(TEXT("3 key times but 1 values; the first 1 keys are kept"), ELogVerbosity::Warning), 2);
	EXPECT_EQ(Log.Count(*(Prefix + TEXT("Rotation.X: key 2 (time 100) comes before the key ahead of it (time 300)")), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(*(Prefix + TEXT("Rotation.Y: unknown field 'Colour' ignored; unknown field 'Spin' ignored")), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(*(Prefix + TEXT("Rotation.Z: malformed: expected '('")), ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.Count(TEXT(""), ELogVerbosity::Error), 0);
}
