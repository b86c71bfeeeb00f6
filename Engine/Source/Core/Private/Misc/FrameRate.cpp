#include "Misc/FrameRate.h"

bool FFrameRate::IsMultipleOf(FFrameRate Other) const
{
	if (!IsValid() || !Other.IsValid() || Other.Numerator == 0)
	{
		return false;
	}
	// this / Other = (N * Od) / (D * On): a multiple when that fraction is whole.
	const int64 Top = int64(Numerator) * int64(Other.Denominator);
	const int64 Bottom = int64(Denominator) * int64(Other.Numerator);
	return Bottom != 0 && Top % Bottom == 0;
}
