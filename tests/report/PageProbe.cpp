#include "PageProbe.h"

namespace {

std::string FmtTextString(const TFmtText& t) {
    // "I", lower index, "D" reads back as "I_D".
    std::string s;
    for (int i = 0; i < t.Count(); ++i) {
        const TFmtTextItem* item = t.Item(i);
        if (const auto* text = dynamic_cast<const TFT_Text*>(item))
            s += text->Text;
        else if (const auto* index = dynamic_cast<const TFT_Index*>(item);
                 index && index->Mode == 2)
            s += "_";
    }
    return s;
}

} // namespace

std::vector<TProbeOp> ProbePage(const TVrPage& page) {
    std::vector<TProbeOp> ops;
    TProbeOp state;
    for (int i = 0; i < page.Count(); ++i) {
        TVrPageElement* e = page.Element(i);
        TProbeOp op = state;
        op.Kind = e->Kind();
        if (auto* v = dynamic_cast<TVrPE_Font_Color*>(e))
            state.FontColor = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Font_Height*>(e))
            state.FontHeight = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Font_Width*>(e))
            state.FontWidth = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Font_Style*>(e))
            state.FontStyle = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Font_Rotate*>(e))
            state.Rotate = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Pen_Color*>(e))
            state.PenColor = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Pen_Style*>(e))
            state.PenStyle = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Pen_Width*>(e))
            state.PenWidth = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_Brush_Color*>(e)) {
            state.BrushColor = v->Value;
            state.BrushStyle = bsSolid; // a brush colour makes the brush solid
        } else if (auto* v = dynamic_cast<TVrPE_Brush_Style*>(e))
            state.BrushStyle = v->Value;
        else if (auto* v = dynamic_cast<TVrPE_TextJustify*>(e))
            state.Justify = v->Value;
        else if (auto* t = dynamic_cast<TVrPE_TextOut*>(e)) {
            op.Text = t->Text, op.X1 = t->X, op.Y1 = t->Y;
            ops.push_back(op);
        } else if (auto* w = dynamic_cast<TVrPE_TextOutWrapped*>(e)) {
            op.Text = w->Text, op.X1 = w->X, op.Y1 = w->Y, op.X2 = w->BoxWidth,
            op.Y2 = w->BoxHeight;
            ops.push_back(op);
        } else if (auto* f = dynamic_cast<TVrPE_TextOutF*>(e)) {
            op.Text = FmtTextString(f->Text), op.X1 = f->X, op.Y1 = f->Y;
            ops.push_back(op);
        } else if (auto* r = dynamic_cast<TVrPE_Rectangle*>(e)) {
            op.X1 = r->X1, op.Y1 = r->Y1, op.X2 = r->X2, op.Y2 = r->Y2;
            ops.push_back(op);
        } else if (auto* r = dynamic_cast<TVrPE_FillRect*>(e)) {
            op.X1 = r->X1, op.Y1 = r->Y1, op.X2 = r->X2, op.Y2 = r->Y2;
            ops.push_back(op);
        } else if (auto* r = dynamic_cast<TVrPE_Line*>(e)) {
            op.X1 = r->X1, op.Y1 = r->Y1, op.X2 = r->X2, op.Y2 = r->Y2;
            ops.push_back(op);
        } else if (auto* r = dynamic_cast<TVrPE_RoundRect*>(e)) {
            op.X1 = r->X1, op.Y1 = r->Y1, op.X2 = r->X2, op.Y2 = r->Y2;
            ops.push_back(op);
        } else if (auto* r = dynamic_cast<TVrPE_DrawBitmap*>(e)) {
            op.X1 = r->X1, op.Y1 = r->Y1, op.X2 = r->X2, op.Y2 = r->Y2;
            ops.push_back(op);
        } else if (auto* m = dynamic_cast<TVrPE_MoveTo*>(e)) {
            op.X1 = m->X, op.Y1 = m->Y;
            ops.push_back(op);
        } else if (auto* l = dynamic_cast<TVrPE_LineTo*>(e)) {
            op.X1 = l->X, op.Y1 = l->Y;
            ops.push_back(op);
        } else if (auto* p = dynamic_cast<TVrPE_PolyLine*>(e)) {
            op.Points = p->Points;
            ops.push_back(op);
        }
    }
    return ops;
}

std::vector<TProbeOp> OpsOfKind(const std::vector<TProbeOp>& ops, uint8_t kind) {
    std::vector<TProbeOp> out;
    for (const TProbeOp& op : ops)
        if (op.Kind == kind)
            out.push_back(op);
    return out;
}

std::vector<TProbeOp> Texts(const std::vector<TProbeOp>& ops) {
    std::vector<TProbeOp> out;
    for (const TProbeOp& op : ops)
        if (op.Kind == TVrPE_TextOut::KindCode || op.Kind == TVrPE_TextOutWrapped::KindCode ||
            op.Kind == TVrPE_TextOutF::KindCode)
            out.push_back(op);
    return out;
}

std::vector<TProbeOp> TextsEqual(const std::vector<TProbeOp>& ops, const std::string& text) {
    std::vector<TProbeOp> out;
    for (const TProbeOp& op : Texts(ops))
        if (op.Text == text)
            out.push_back(op);
    return out;
}

bool HasText(const std::vector<TProbeOp>& ops, const std::string& text) {
    return !TextsEqual(ops, text).empty();
}
