#include "Channels/MovieSceneFloatChannel.h"

#include "Channels/MovieSceneCurveChannelImpl.h"

template struct TMovieSceneChannelData<FMovieSceneFloatValue>;

typedef TMovieSceneCurveChannelImpl<FMovieSceneFloatChannel> FMovieSceneFloatChannelImpl;

bool FMovieSceneFloatValue::operator==(const FMovieSceneFloatValue& Other) const
{
	return Value == Other.Value && Tangent == Other.Tangent && InterpMode == Other.InterpMode && TangentMode == Other.TangentMode;
}

FMovieSceneFloatChannel::FMovieSceneFloatChannel()
	: PreInfinityExtrap(RCCE_Constant)
	, PostInfinityExtrap(RCCE_Constant)
	, DefaultValue(0)
	, bHasDefaultValue(false)
	, TickResolution(60000, 1)
{
}

void FMovieSceneFloatChannel::Set(TArray<FFrameNumber> InTimes, TArray<FMovieSceneFloatValue> InValues)
{
	FMovieSceneFloatChannelImpl::Set(this, MoveTemp(InTimes), MoveTemp(InValues));
}

int32 FMovieSceneFloatChannel::AddConstantKey(FFrameNumber InTime, float InValue)
{
	return FMovieSceneFloatChannelImpl::AddConstantKey(this, InTime, InValue);
}

int32 FMovieSceneFloatChannel::AddLinearKey(FFrameNumber InTime, float InValue)
{
	return FMovieSceneFloatChannelImpl::AddLinearKey(this, InTime, InValue);
}

int32 FMovieSceneFloatChannel::AddCubicKey(FFrameNumber InTime, float InValue, ERichCurveTangentMode TangentMode, const FMovieSceneTangentData& Tangent)
{
	return FMovieSceneFloatChannelImpl::AddCubicKey(this, InTime, InValue, TangentMode, Tangent);
}

void FMovieSceneFloatChannel::AutoSetTangents(float Tension)
{
	FMovieSceneFloatChannelImpl::AutoSetTangents(this, Tension);
}

void FMovieSceneFloatChannel::SetDefault(float InDefaultValue)
{
	bHasDefaultValue = true;
	DefaultValue = InDefaultValue;
}

TOptional<float> FMovieSceneFloatChannel::GetDefault() const
{
	return bHasDefaultValue ? TOptional<float>(DefaultValue) : TOptional<float>();
}

void FMovieSceneFloatChannel::RemoveDefault()
{
	bHasDefaultValue = false;
}

int32 FMovieSceneFloatChannel::GetNumKeys() const
{
	return Times.Num();
}

FKeyHandle FMovieSceneFloatChannel::GetHandle(int32 Index)
{
	return GetData().GetHandle(Index);
}

int32 FMovieSceneFloatChannel::GetIndex(FKeyHandle Handle)
{
	return GetData().GetIndex(Handle);
}

void FMovieSceneFloatChannel::DeleteKeys(TArrayView<const FKeyHandle> InHandles)
{
	GetData().DeleteKeys(InHandles);
}

void FMovieSceneFloatChannel::Reset()
{
	GetData().Reset();
	bHasDefaultValue = false;
}

bool FMovieSceneFloatChannel::ExportTextItem(FString& ValueStr, const FMovieSceneFloatChannel& DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	return FMovieSceneFloatChannelImpl::ExportTextItem(this, ValueStr);
}

bool FMovieSceneFloatChannel::ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText)
{
	return FMovieSceneFloatChannelImpl::ImportTextItem(this, Buffer, OwnerObject, ErrorText);
}

bool FMovieSceneFloatChannel::Identical(const FMovieSceneFloatChannel* Other, uint32 PortFlags) const
{
	return FMovieSceneFloatChannelImpl::Identical(this, Other);
}
