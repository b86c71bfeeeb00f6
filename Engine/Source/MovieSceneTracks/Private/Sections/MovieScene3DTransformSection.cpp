#include "Sections/MovieScene3DTransformSection.h"

#define LOCTEXT_NAMESPACE "MovieScene3DTransformSection"

UMovieScene3DTransformSection::UMovieScene3DTransformSection(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, TransformMask(EMovieSceneTransformChannel::AllTransform)
{
	// An untouched transform is the identity: scale channels default to 1.
	ScaleX.SetDefault(1.0);
	ScaleY.SetDefault(1.0);
	ScaleZ.SetDefault(1.0);
}

void UMovieScene3DTransformSection::SetMask(FMovieSceneTransformMask NewMask)
{
	TransformMask = NewMask;
	CacheChannelProxy();
}

void UMovieScene3DTransformSection::PostLoad()
{
	Super::PostLoad();
	// The mask may have been loaded after the proxy was first built.
	CacheChannelProxy();
}

EMovieSceneChannelProxyType UMovieScene3DTransformSection::CacheChannelProxy()
{
	const EMovieSceneTransformChannel Channels = TransformMask.GetChannels();
	const FText Location = LOCTEXT("LocationGroup", "Location");
	const FText Rotation = LOCTEXT("RotationGroup", "Rotation");
	const FText Scale = LOCTEXT("ScaleGroup", "Scale");

	struct FChannelInfo
	{
		FMovieSceneDoubleChannel* Channel;
		const TCHAR* Name;
		FText DisplayText;
		FText Group;
		EMovieSceneTransformChannel Bit;
	};
	const FChannelInfo DoubleChannels[] = {
		{ &TranslationX, TEXT("Location.X"), LOCTEXT("LocationX", "X"), Location, EMovieSceneTransformChannel::TranslationX },
		{ &TranslationY, TEXT("Location.Y"), LOCTEXT("LocationY", "Y"), Location, EMovieSceneTransformChannel::TranslationY },
		{ &TranslationZ, TEXT("Location.Z"), LOCTEXT("LocationZ", "Z"), Location, EMovieSceneTransformChannel::TranslationZ },
		{ &RotationX, TEXT("Rotation.X"), LOCTEXT("RotationX", "Roll"), Rotation, EMovieSceneTransformChannel::RotationX },
		{ &RotationY, TEXT("Rotation.Y"), LOCTEXT("RotationY", "Pitch"), Rotation, EMovieSceneTransformChannel::RotationY },
		{ &RotationZ, TEXT("Rotation.Z"), LOCTEXT("RotationZ", "Yaw"), Rotation, EMovieSceneTransformChannel::RotationZ },
		{ &ScaleX, TEXT("Scale.X"), LOCTEXT("ScaleX", "X"), Scale, EMovieSceneTransformChannel::ScaleX },
		{ &ScaleY, TEXT("Scale.Y"), LOCTEXT("ScaleY", "Y"), Scale, EMovieSceneTransformChannel::ScaleY },
		{ &ScaleZ, TEXT("Scale.Z"), LOCTEXT("ScaleZ", "Z"), Scale, EMovieSceneTransformChannel::ScaleZ },
	};

	// Every transform channel is in the proxy (masked ones disabled); the weight only when the mask animates it.
	FMovieSceneChannelProxyData Data;
	int32 SortOrder = 0;
	for (const FChannelInfo& Info : DoubleChannels)
	{
		FMovieSceneChannelMetaData MetaData(FName(Info.Name), Info.DisplayText, Info.Group, EnumHasAllFlags(Channels, Info.Bit));
		MetaData.SortOrder = SortOrder++;
		Data.Add(*Info.Channel, MetaData);
	}
	if (EnumHasAllFlags(Channels, EMovieSceneTransformChannel::Weight))
	{
		FMovieSceneChannelMetaData MetaData(TEXT("Weight"), LOCTEXT("WeightChannelText", "Weight"));
		MetaData.SortOrder = SortOrder++;
		Data.Add(ManualWeight, MetaData);
	}
	ChannelProxy = MakeShared<FMovieSceneChannelProxy>(MoveTemp(Data));
	return EMovieSceneChannelProxyType::Dynamic;
}

#undef LOCTEXT_NAMESPACE
